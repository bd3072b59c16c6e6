/* The file-I/O floor of a batch: what any converter of these decks must at least do per deck.
 * Reads a manifest of "DECK OUTPUT BYTES" lines; for each deck it opens, sizes, reads and
 * closes the deck, removes the old output, creates it, writes BYTES bytes with one write and
 * closes it. No conversion: the gap between a batch and this program is the conversion. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#if defined(_WIN32)
#define FLOOR_STDIO 1
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

enum { kPathMax = 4096, kDeckMax = 1 << 20 };

static char deck_buffer[kDeckMax];

static int one_deck(const char* deck, const char* output, const char* bytes, size_t size) {
#if defined(FLOOR_STDIO)
  FILE* in = fopen(deck, "rb");
  if (in == NULL) return -1;
  while (fread(deck_buffer, 1, sizeof deck_buffer, in) > 0) {
  }
  fclose(in);
  remove(output);
  FILE* out = fopen(output, "wb");
  if (out == NULL) return -1;
  const int ok = fwrite(bytes, 1, size, out) == size;
  return fclose(out) == 0 && ok ? 0 : -1;
#else
  /* As the batch does: open, one stat for the size, read to the end, close. */
  const int in = open(deck, O_RDONLY | O_CLOEXEC);
  if (in < 0) return -1;
  struct stat st;
  if (fstat(in, &st) != 0) {
    close(in);
    return -1;
  }
  ssize_t n;
  while ((n = read(in, deck_buffer, sizeof deck_buffer)) > 0) {
  }
  close(in);
  unlink(output);
  const int fd = open(output, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  const int ok = write(fd, bytes, size) == (ssize_t)size;
  return close(fd) == 0 && ok ? 0 : -1;
#endif
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s MANIFEST  (lines: DECK OUTPUT BYTES)\n", argv[0]);
    return 2;
  }
  FILE* manifest = fopen(argv[1], "r");
  if (manifest == NULL) {
    perror(argv[1]);
    return 2;
  }
  /* The manifest is read whole first, so that only the deck work is timed per deck. */
  size_t count = 0, capacity = 1024;
  char** decks = malloc(capacity * sizeof *decks);
  char** outputs = malloc(capacity * sizeof *outputs);
  size_t* sizes = malloc(capacity * sizeof *sizes);
  size_t largest = 0;
  static char deck[kPathMax], output[kPathMax];
  size_t size = 0;
  while (fscanf(manifest, "%4095s %4095s %zu", deck, output, &size) == 3) {
    if (count == capacity) {
      capacity *= 2;
      decks = realloc(decks, capacity * sizeof *decks);
      outputs = realloc(outputs, capacity * sizeof *outputs);
      sizes = realloc(sizes, capacity * sizeof *sizes);
    }
    decks[count] = strdup(deck);
    outputs[count] = strdup(output);
    sizes[count] = size;
    if (size > largest) largest = size;
    ++count;
  }
  fclose(manifest);
  /* Keyword-like bytes: the content does not matter to the file system, only the size. */
  char* bytes = malloc(largest + 1);
  memset(bytes, 'K', largest + 1);
  int failed = 0;
  for (size_t i = 0; i < count; ++i) {
    if (one_deck(decks[i], outputs[i], bytes, sizes[i]) != 0) {
      fprintf(stderr, "%s: failed\n", decks[i]);
      failed = 1;
    }
  }
  return failed;
}

"""Random decks for differential testing, one module per part of what is generated;
deck_generator.py is its command line."""

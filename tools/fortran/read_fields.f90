! Reads 11-column deck fields with Fortran formatted input, as the deck's numbers are
! meant to be read: F11.5 for a real field, I9 (columns 1 to 9) for an integer field.
! One case per input line; prints the text, the real's bit pattern (or ERR) and the
! integer (or ERR), tab-separated.
program read_fields
  implicit none
  character(len=11) :: s
  real :: r
  integer(8) :: i
  integer :: ios, u
  character(len=16) :: rtext, itext
  open(newunit=u, file='cases.txt', status='old')
  do
    read(u, '(A11)', iostat=ios) s
    if (ios /= 0) exit
    read(s, '(F11.5)', iostat=ios) r
    if (ios == 0) then
      write(rtext, '(Z8.8)') transfer(r, 0)
    else
      rtext = 'ERR'
    end if
    read(s(1:9), '(I9)', iostat=ios) i
    if (ios == 0) then
      write(itext, '(I0)') i
    else
      itext = 'ERR'
    end if
    write(*, '(A,A,A,A,A)') '[' // s // ']', char(9), trim(rtext), char(9), trim(itext)
  end do
end program read_fields

! The plain-unit routines: each performs one statement of the Fortran run-time's unit I/O
! on the numbered unit. Every statement takes IOSTAT, so that an I/O error is answered
! to the caller and never ends the host's process.

! OPEN with STATUS='UNKNOWN': -1 when the file is connected, 0 when opening fails.
! The access mode belongs to the stream path; a plain unit has none.
integer(c_int32_t) function PlainUnitOpen(unit, name, mode)
    use, intrinsic :: iso_c_binding, only: c_int32_t
    implicit none
    integer(c_int32_t), intent(in) :: unit
    character(len=*), intent(in) :: name
    integer(c_int32_t), intent(in) :: mode
    integer :: status

    open (unit=unit, file=name, status='UNKNOWN', iostat=status)
    if (status > 0) then
        PlainUnitOpen = 0
    else
        PlainUnitOpen = -1
    end if
end function PlainUnitOpen

! READ of one record with the format (A): the buffer's length after a record was read,
! 0 at the end of the file or on a read error.
integer(c_int32_t) function PlainUnitReadText(unit, buffer)
    use, intrinsic :: iso_c_binding, only: c_int32_t
    implicit none
    integer(c_int32_t), intent(in) :: unit
    character(len=*), intent(inout) :: buffer
    integer :: status

    read (unit, '(A)', end=100, iostat=status) buffer
    if (status /= 0) then
        PlainUnitReadText = 0
    else
        PlainUnitReadText = int(len(buffer), c_int32_t)
    end if
    return
100 PlainUnitReadText = 0
end function PlainUnitReadText

! CLOSE: the statement's status, 0 when it completes.
integer(c_int32_t) function PlainUnitClose(unit)
    use, intrinsic :: iso_c_binding, only: c_int32_t
    implicit none
    integer(c_int32_t), intent(in) :: unit
    integer :: status

    close (unit, iostat=status)
    PlainUnitClose = int(status, c_int32_t)
end function PlainUnitClose

! REWIND: the statement's status, 0 when it completes.
integer(c_int32_t) function PlainUnitRewind(unit)
    use, intrinsic :: iso_c_binding, only: c_int32_t
    implicit none
    integer(c_int32_t), intent(in) :: unit
    integer :: status

    rewind (unit, iostat=status)
    PlainUnitRewind = int(status, c_int32_t)
end function PlainUnitRewind

! BACKSPACE: the statement's status, 0 when it completes.
integer(c_int32_t) function PlainUnitBackspace(unit)
    use, intrinsic :: iso_c_binding, only: c_int32_t
    implicit none
    integer(c_int32_t), intent(in) :: unit
    integer :: status

    backspace (unit, iostat=status)
    PlainUnitBackspace = int(status, c_int32_t)
end function PlainUnitBackspace

subroutine PlainUnitNoOp()
end subroutine PlainUnitNoOp

! Calls the unit entry points as the engine's Fortran code does: through bind(C)
! interfaces, each text followed at once by its length passed by value. Stops with an
! error on the first wrong answer.
module unit_entry_points
    use, intrinsic :: iso_c_binding, only: c_int32_t, c_char
    implicit none
    interface
        integer(c_int32_t) function UnitOpen(unit, name, name_length, mode) bind(C, name="UnitOpen")
            import :: c_int32_t, c_char
            integer(c_int32_t), intent(in) :: unit, mode
            character(kind=c_char), intent(in) :: name(*)
            integer(c_int32_t), value :: name_length
        end function UnitOpen
        integer(c_int32_t) function UnitCreate(unit, name, name_length, mode) bind(C, name="UnitCreate")
            import :: c_int32_t, c_char
            integer(c_int32_t), intent(in) :: unit, mode
            character(kind=c_char), intent(in) :: name(*)
            integer(c_int32_t), value :: name_length
        end function UnitCreate
        integer(c_int32_t) function UnitWriteText(unit, text, text_length) bind(C, name="UnitWriteText")
            import :: c_int32_t, c_char
            integer(c_int32_t), intent(in) :: unit
            character(kind=c_char), intent(in) :: text(*)
            integer(c_int32_t), value :: text_length
        end function UnitWriteText
        integer(c_int32_t) function UnitReadText(unit, buffer, buffer_length) bind(C, name="UnitReadText")
            import :: c_int32_t, c_char
            integer(c_int32_t), intent(in) :: unit
            character(kind=c_char), intent(inout) :: buffer(*)
            integer(c_int32_t), value :: buffer_length
        end function UnitReadText
        integer(c_int32_t) function UnitClose(unit) bind(C, name="UnitClose")
            import :: c_int32_t
            integer(c_int32_t), intent(in) :: unit
        end function UnitClose
        integer(c_int32_t) function UnitCommit(unit) bind(C, name="UnitCommit")
            import :: c_int32_t
            integer(c_int32_t), intent(in) :: unit
        end function UnitCommit
        integer(c_int32_t) function UnitRewind(unit) bind(C, name="UnitRewind")
            import :: c_int32_t
            integer(c_int32_t), intent(in) :: unit
        end function UnitRewind
        integer(c_int32_t) function UnitBackspace(unit) bind(C, name="UnitBackspace")
            import :: c_int32_t
            integer(c_int32_t), intent(in) :: unit
        end function UnitBackspace
        subroutine AttachTestStorage() bind(C, name="AttachTestStorage")
        end subroutine AttachTestStorage
        subroutine DetachTestStorage() bind(C, name="DetachTestStorage")
        end subroutine DetachTestStorage
    end interface
contains
    subroutine expect(condition, what)
        logical, intent(in) :: condition
        character(len=*), intent(in) :: what
        if (.not. condition) then
            write (*, '(A)') 'wrong answer: ' // what
            error stop 1
        end if
    end subroutine expect

    integer(c_int32_t) function length_of(text)
        character(len=*), intent(in) :: text
        length_of = int(len(text), c_int32_t)
    end function length_of
end module unit_entry_points

program units_from_fortran
    use unit_entry_points
    implicit none
    character(len=*), parameter :: plain_file = 'units_from_fortran.txt'
    integer(c_int32_t), parameter :: plain = 31, stream = 32, reopened = 33
    integer(c_int32_t), parameter :: mode = int(z'12', c_int32_t)  ! read-write, exclusive
    character(len=80) :: line
    character(len=10) :: word
    integer :: status

    open (20, file=plain_file, status='REPLACE', iostat=status)
    call expect(status == 0, 'the test file can be written')
    write (20, '(A)') 'LINE ONE'
    write (20, '(A)') 'LINE TWO'
    close (20)

    ! Plain units: no storage is attached.
    call expect(UnitOpen(plain, plain_file // '   ', length_of(plain_file // '   '), mode) == -1, 'plain open')
    call expect(UnitReadText(plain, line, length_of(line)) == 80, 'plain read answers the buffer length')
    call expect(line == 'LINE ONE', 'first record, blank-filled')
    call expect(UnitRewind(plain) == 0, 'plain rewind')
    call expect(UnitReadText(plain, line, length_of(line)) == 80 .and. line == 'LINE ONE', 'read after rewind')
    call expect(UnitBackspace(plain) == 0, 'plain backspace')
    call expect(UnitReadText(plain, line, length_of(line)) == 80 .and. line == 'LINE ONE', 'read after backspace')
    call expect(UnitReadText(plain, line, length_of(line)) == 80 .and. line == 'LINE TWO', 'second record')
    call expect(UnitReadText(plain, line, length_of(line)) == 0, 'end of file answers 0')
    call expect(UnitCreate(stream, 'CASE7.OUT', 9, mode) == 0, 'no create without a storage')
    call expect(UnitWriteText(stream, 'X', 1) == 0, 'no write without a storage')
    call expect(UnitCommit(stream) == 0, 'no commit without a storage')
    call expect(UnitClose(plain) == 0, 'plain close')

    ! Stream units: a storage is attached.
    call AttachTestStorage()
    call expect(UnitCreate(stream, 'CASE7.OUT  ', 11, mode) == 1, 'stream create')
    call expect(UnitWriteText(stream, 'HELLO  ', 7) == 1, 'stream write')
    call expect(UnitWriteText(stream, 'WORLD', 5) == 1, 'second stream write')
    call expect(UnitCommit(stream) == 1, 'stream commit')
    call expect(UnitRewind(stream) == 1, 'stream rewind')
    call expect(UnitBackspace(stream) == 0, 'stream backspace')
    word = repeat('#', len(word))
    call expect(UnitReadText(stream, word, length_of(word)) == 1, 'stream read')
    call expect(word == 'HELLO', 'first text, trailing blanks kept and blank-filled')
    call expect(UnitReadText(stream, word, length_of(word)) == 1 .and. word == 'WORLD', 'second text')
    call expect(UnitReadText(stream, word, length_of(word)) == 0 .and. word == ' ', 'past the last record')
    call expect(UnitClose(stream) == 1, 'stream close')
    call expect(UnitClose(stream) == 0, 'closing an unbound unit')
    call expect(UnitOpen(reopened, 'OTHER.OUT', 9, mode) == 1, 'the stream is named after the extension')
    call expect(UnitReadText(reopened, word, length_of(word)) == 1 .and. word == 'HELLO', 'reopened stream')
    call expect(UnitClose(reopened) == 1, 'reopened close')
    call DetachTestStorage()

    open (20, file=plain_file, status='OLD', iostat=status)
    close (20, status='DELETE', iostat=status)
    write (*, '(A)') 'all unit entry points answered as expected'
end program units_from_fortran

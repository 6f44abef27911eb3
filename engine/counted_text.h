#pragma once
// A text with its length, behind one pointer: the size of a pointer whatever standard
// library the program that includes this was built with, so that an object holding one has
// the module's layout in every host.
#include <cstddef>

class CountedText {
public:
    CountedText() = default;
    ~CountedText();
    CountedText(const CountedText&) = delete;
    CountedText& operator=(const CountedText&) = delete;

    // Replaces the text with a copy of the terminated one; null gives the empty text.
    void Assign(const char* text);
    // The characters, terminated.
    const char* Data() const;
    std::size_t Length() const;

private:
    // Null for the empty text; otherwise the characters of one allocation that begins with
    // the length.
    char* m_Characters = nullptr;
};

static_assert(sizeof(CountedText) == sizeof(void*), "a counted text is one pointer");

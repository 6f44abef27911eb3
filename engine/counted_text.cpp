// The counted text's one allocation: the length, then the characters and their terminator.
#include "engine/counted_text.h"

#include <cstring>

namespace {
constexpr std::size_t LengthSize = sizeof(std::size_t);

char* BlockOf(char* characters) { return characters - LengthSize; }
}  // namespace

CountedText::~CountedText()
{
    if (m_Characters != nullptr)
        delete[] BlockOf(m_Characters);
}

void CountedText::Assign(const char* text)
{
    const std::size_t length = text != nullptr ? std::strlen(text) : 0;
    char* characters = nullptr;
    if (length != 0) {
        characters = new char[LengthSize + length + 1] + LengthSize;
        std::memcpy(BlockOf(characters), &length, LengthSize);
        std::memcpy(characters, text, length + 1);
    }
    if (m_Characters != nullptr)
        delete[] BlockOf(m_Characters);
    m_Characters = characters;
}

const char* CountedText::Data() const { return m_Characters != nullptr ? m_Characters : ""; }

std::size_t CountedText::Length() const
{
    std::size_t length = 0;
    if (m_Characters != nullptr)
        std::memcpy(&length, BlockOf(m_Characters), LengthSize);
    return length;
}

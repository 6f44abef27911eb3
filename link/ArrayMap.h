#pragma once
// The host's map of named arrays and the links that reach them.
#include "link/HostValue.h"
#include "link/link_export.h"
#include "platform/win_types.h"

#include <memory>

struct ArrayVariable;

// Element indices outside the array read as empty with source and status 0; writes at a
// non-negative index grow the array to hold it, and writes at a negative index are dropped.
class LINK_API ArrayLink {
public:
    // The count of elements the host holds.
    short nonEmptySize();
    short get_source(int index);
    void set_source(int index, short source);
    void get_szValuesPureSI(int index, const char** text);
    void get_szValuesPureSI(int index, double* value);
    void get_szValuesPureSI(int index, LONG* value);
    void set_szValuesPureSI(int index, const char* text);
    void set_szValuesPureSI(int index, double value);
    void set_status(int index, short status);
    // Host side: an element's status code.
    short get_status(int index);
    void Destroy();

private:
    friend class ArrayMap;
    explicit ArrayLink(ArrayVariable& variable) : m_Variable(variable) {}
    ~ArrayLink() = default;
    ArrayVariable& m_Variable;
};

class LINK_API ArrayMap {
public:
    ArrayMap();
    ~ArrayMap();
    ArrayMap(const ArrayMap&) = delete;
    ArrayMap& operator=(const ArrayMap&) = delete;

    ArrayLink* operator[](const char* name);
    // Host side: the map holds the array name from now on, with no elements.
    void Add(const char* name);

private:
    struct Variables;
    std::unique_ptr<Variables> m_Variables;
};

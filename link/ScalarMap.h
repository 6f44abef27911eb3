#pragma once
// The host's map of named scalar values and the links that reach them.
#include "link/HostValue.h"
#include "link/link_export.h"

#include <memory>
#include <string>

struct ScalarVariable;

class LINK_API ScalarLink {
public:
    bool isEmpty();
    short get_source();
    void set_source(short source);
    void get_szValuePureSI(float* value);
    void get_szValuePureSI(double* value);
    // The text stays the link's.
    void get_szValuePureSI(const char** text);
    // The empty text clears the value.
    void set_szValuePureSI(const char* text);
    void set_szValuePureSI(double value);
    void set_status(short status);
    // Host side: the status code last set.
    short get_status();
    // Releases the link; it is not used afterwards.
    void Destroy();

private:
    friend class ScalarMap;
    explicit ScalarLink(ScalarVariable& variable) : m_Variable(variable) {}
    ~ScalarLink() = default;
    ScalarVariable& m_Variable;
};

class LINK_API ScalarMap {
public:
    ScalarMap();
    ~ScalarMap();
    ScalarMap(const ScalarMap&) = delete;
    ScalarMap& operator=(const ScalarMap&) = delete;

    // A new link to a held name, exactly as spelled, or null.
    ScalarLink* operator[](const char* name);
    // Host side: the map holds the name from now on, empty, with source 0 and status 0.
    void Add(const char* name);

private:
    struct Variables;
    std::unique_ptr<Variables> m_Variables;
};

#pragma once
// Host-side set-up and read-back of the values that transfers move, through the link
// library's own members. These calls reach the journal too: read it before reading back.
#include "link/ArrayMap.h"
#include "link/ScalarMap.h"

#include <string>

struct ObservedValue {
    std::string Text;  // empty when the host holds no value
    double Number = 0.0;
    short Source = 0;
    short Status = 0;
};

inline void SetScalar(ScalarMap& map, const char* name, double value, short source)
{
    ScalarLink* link = map[name];
    link->set_szValuePureSI(value);
    link->set_source(source);
    link->Destroy();
}

inline void SetScalarText(ScalarMap& map, const char* name, const char* text, short source)
{
    ScalarLink* link = map[name];
    link->set_szValuePureSI(text);
    link->set_source(source);
    link->Destroy();
}

inline ObservedValue ScalarNow(ScalarMap& map, const char* name)
{
    ScalarLink* link = map[name];
    ObservedValue observed;
    const char* text = nullptr;
    link->get_szValuePureSI(&text);
    observed.Text = text;
    link->get_szValuePureSI(&observed.Number);
    observed.Source = link->get_source();
    observed.Status = link->get_status();
    link->Destroy();
    return observed;
}

inline void SetElement(ArrayMap& map, const char* name, int index, double value, short source)
{
    ArrayLink* link = map[name];
    link->set_szValuesPureSI(index, value);
    link->set_source(index, source);
    link->Destroy();
}

inline void SetElementText(ArrayMap& map, const char* name, int index, const char* text, short source)
{
    ArrayLink* link = map[name];
    link->set_szValuesPureSI(index, text);
    link->set_source(index, source);
    link->Destroy();
}

inline ObservedValue ElementNow(ArrayMap& map, const char* name, int index)
{
    ArrayLink* link = map[name];
    ObservedValue observed;
    const char* text = nullptr;
    link->get_szValuesPureSI(index, &text);
    observed.Text = text;
    link->get_szValuesPureSI(index, &observed.Number);
    observed.Source = link->get_source(index);
    observed.Status = link->get_status(index);
    link->Destroy();
    return observed;
}

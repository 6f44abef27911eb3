// Helpers that put values into a host map and read them back.
#include "tests/support/host_values.h"

void HoldScalar(ScalarMap& map, const char* name, std::optional<double> value, short source)
{
    map.Add(name);
    ScalarLink* link = map[name];
    if (value)
        link->set_szValuePureSI(*value);
    link->set_source(source);
    link->Destroy();
}

HostScalar ReadScalar(ScalarMap& map, const char* name)
{
    HostScalar scalar;
    ScalarLink* link = map[name];
    if (link == nullptr)
        return scalar;
    scalar.Held = true;
    scalar.Empty = link->isEmpty();
    link->get_szValuePureSI(&scalar.Value);
    scalar.Source = link->get_source();
    scalar.Status = link->get_status();
    link->Destroy();
    return scalar;
}

#include "dictionary/scalar_transfer.h"

#include "link/ScalarMap.h"

void TransferScalarFloat(ScalarMap* map, const char* name, float* value, TransferDirection direction,
                         ForceEngineSource force)
{
    ScalarLink* link = (*map)[name];
    if (link == nullptr)
        return;
    if (!IsEngineToHost(direction)) {
        if (!link->isEmpty()) {
            if (link->get_source() == SourceNone)
                link->set_szValuePureSI("");
            else if (value != nullptr)
                link->get_szValuePureSI(value);
        }
    } else if (value != nullptr && *value != NoValue) {
        const double widened = static_cast<double>(*value);
        if (IsForced(force)) {
            link->set_source(SourceEngine);
            link->set_szValuePureSI(widened);
        } else if (link->get_source() != SourceProtected) {
            link->set_szValuePureSI(widened);
        }
    }
    link->Destroy();
}

void TransferScalarStatus(ScalarMap* map, const char* name, StatusEntry* entry, TransferDirection direction)
{
    ScalarLink* link = (*map)[name];
    if (link == nullptr)
        return;
    if (IsEngineToHost(direction) && entry != nullptr)
        link->set_status(HostStatusCode(entry->Code));
    link->Destroy();
}

// Per-entry transfers of one named single-precision value or status code.
#include "dictionary/scalar_transfer.h"

#include "dictionary/transfer_rules.h"

void TransferScalarFloat(ScalarMap* map, const char* name, float* value, TransferDirection direction,
                         ForceEngineSource force)
{
    TransferScalarNumber(map, name, value, direction, force);
}

void TransferScalarStatus(ScalarMap* map, const char* name, StatusEntry* entry, TransferDirection direction)
{
    WithLink(map, name, [&](ScalarLink& link) {
        if (IsEngineToHost(direction) && entry != nullptr)
            link.set_status(HostStatusCode(entry->Code));
    });
}

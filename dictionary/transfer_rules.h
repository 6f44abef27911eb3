#pragma once
// The shape and the rules that every per-entry transfer shares: fetch a name's link, move
// the value in the given direction, release the link; the source, force and no-value rules
// for numbers. Inline templates, so that a transfer costs no more than its link calls.
#include "dictionary/transfer_types.h"
#include "link/ArrayMap.h"
#include "link/ScalarMap.h"

// Plain members pass this: without force, a protected host value is never overwritten.
inline constexpr ForceEngineSource NotForced = 0;

// Fetches the name's link, hands it to move and releases it. A name that the map does not
// hold is skipped: nothing is moved and nothing released.
template <typename Map, typename Move>
inline void WithLink(Map* map, const char* name, Move&& move)
{
    auto* link = (*map)[name];
    if (link == nullptr)
        return;
    move(*link);
    link->Destroy();
}

// One host value as the numeric rules see it: a scalar link, or one element of an array link.
struct ScalarHostValue {
    ScalarLink& Link;
    short Source() const { return Link.get_source(); }
    void SetSource(short source) const { Link.set_source(source); }
    void Clear() const { Link.set_szValuePureSI(""); }
    void Write(double value) const { Link.set_szValuePureSI(value); }
};

struct ElementHostValue {
    ArrayLink& Link;
    int Index;
    short Source() const { return Link.get_source(Index); }
    void SetSource(short source) const { Link.set_source(Index, source); }
    void Clear() const { Link.set_szValuesPureSI(Index, ""); }
    void Write(double value) const { Link.set_szValuesPureSI(Index, value); }
};

// Toward the engine: a host value with SourceNone is cleared instead of sent; any other
// source lets read take it.
template <typename HostValue, typename Read>
inline void TakeFromHost(const HostValue& host, Read&& read)
{
    if (host.Source() == SourceNone)
        host.Clear();
    else
        read();
}

// Toward the host: a forced transfer marks the value SourceEngine and writes it; otherwise a
// protected value is left as it is and any other is overwritten, its source kept.
template <typename HostValue>
inline void SendToHost(const HostValue& host, double value, ForceEngineSource force)
{
    if (IsForced(force)) {
        host.SetSource(SourceEngine);
        host.Write(value);
    } else if (host.Source() != SourceProtected) {
        host.Write(value);
    }
}

// The no-value markers of floating engine values: exact equality, so a NaN is a value.
inline bool IsNoValue(float value) { return value == NoValue; }
inline bool IsNoValue(double value) { return value == NoValueDouble; }

// One named floating value (float or double) between a scalar link and engine memory. A null
// value pointer addresses no memory: the host side still runs, but nothing is read or written.
template <typename Number>
inline void TransferScalarNumber(ScalarMap* map, const char* name, Number* value, TransferDirection direction,
                                 ForceEngineSource force)
{
    WithLink(map, name, [&](ScalarLink& link) {
        const ScalarHostValue host{link};
        if (!IsEngineToHost(direction)) {
            if (link.isEmpty())
                return;
            TakeFromHost(host, [&] {
                if (value != nullptr)
                    link.get_szValuePureSI(value);
            });
        } else if (value != nullptr && !IsNoValue(*value)) {
            SendToHost(host, static_cast<double>(*value), force);
        }
    });
}

// The in-memory storage and its streams. A stream's bytes belong to the storage's element
// of that name; each open handle shares them and keeps its own position and access mode.
#include "platform/com/linux/memory_storage.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/com/linux/simple_uppercase.h"

namespace {

constexpr DWORD AccessMask = 0x3;
constexpr DWORD ShareMask = 0x70;
// The bits that a stream's mode may hold: access, share, STGM_CREATE, STGM_TRANSACTED,
// STGM_CONVERT, STGM_PRIORITY, STGM_DIRECT_SWMR, STGM_DELETEONRELEASE and STGM_SIMPLE. Any
// other bit is no stream mode, STGM_NOSCRATCH and STGM_NOSNAPSHOT too: they tune a
// transacted storage, and the platform refuses them for a stream.
constexpr DWORD StreamModeBits = AccessMask | ShareMask | 0x00001000 | 0x00010000 | 0x00020000 | 0x00040000 |
                                 0x00400000 | 0x04000000 | 0x08000000;
constexpr std::size_t MaxNameUnits = 31;

struct StreamElement {
    std::u16string name;
    std::vector<BYTE> bytes;
    bool open = false;      // one handle at a time, as the exclusive share demands
    bool reverted = false;  // replaced by a CreateStream with STGM_CREATE, or its storage is gone
};

bool CanRead(DWORD mode)
{
    return (mode & AccessMask) != STGM_WRITE;
}

bool CanWrite(DWORD mode)
{
    return (mode & AccessMask) != STGM_READ;
}

// Element names are one name when they have the same length and the same simple
// uppercase unit by unit, as compound files compare them.
bool SameName(const std::u16string& a, const std::u16string& b)
{
    const auto sameUnit = [](char16_t x, char16_t y) { return SimpleUppercase(x) == SimpleUppercase(y); };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameUnit);
}

HRESULT CheckName(const OLECHAR* name, std::u16string& out)
{
    if (name == nullptr)
        return STG_E_INVALIDNAME;
    std::u16string text;
    for (const OLECHAR* unit = name; *unit != 0; ++unit) {
        if (text.size() == MaxNameUnits)
            return STG_E_INVALIDNAME;
        if (*unit == u'!' || *unit == u':' || *unit == u'/' || *unit == u'\\')
            return STG_E_INVALIDNAME;
        text.push_back(*unit);
    }
    if (text.empty())
        return STG_E_INVALIDNAME;
    out = std::move(text);
    return S_OK;
}

HRESULT CheckStreamMode(DWORD mode)
{
    if ((mode & ~StreamModeBits) != 0 || (mode & AccessMask) == AccessMask)
        return STG_E_INVALIDFLAG;
    if ((mode & ShareMask) != STGM_SHARE_EXCLUSIVE)
        return STG_E_INVALIDFLAG;
    // Streams are neither transacted nor deleted on release, whether created or opened.
    if ((mode & (STGM_TRANSACTED | STGM_DELETEONRELEASE)) != 0)
        return STG_E_INVALIDFUNCTION;
    return S_OK;
}

// The checks that creating and opening a stream share: its name, then its mode.
HRESULT CheckStreamNameAndMode(const OLECHAR* name, DWORD mode, std::u16string& out)
{
    const HRESULT hr = CheckName(name, out);
    return FAILED(hr) ? hr : CheckStreamMode(mode);
}

template <typename Derived>
class RefCounted {
public:
    ULONG AddReference() { return ++references_; }
    ULONG ReleaseReference()
    {
        const ULONG left = --references_;
        if (left == 0)
            delete static_cast<Derived*>(this);
        return left;
    }

private:

    ULONG references_ = 1;
};

class MemoryStream final : public IStream, private RefCounted<MemoryStream> {
public:
    MemoryStream(std::shared_ptr<StreamElement> element, DWORD mode) : element_(std::move(element)), mode_(mode)
    {
        element_->open = true;
    }

    HRESULT QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (ppvObject == nullptr)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IStream || riid == IID_ISequentialStream) {
            AddRef();
            *ppvObject = static_cast<IStream*>(this);
            return S_OK;
        }
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return AddReference(); }
    ULONG Release() override { return ReleaseReference(); }

    HRESULT Read(void* pv, ULONG cb, ULONG* pcbRead) override
    {
        if (pcbRead != nullptr)
            *pcbRead = 0;
        if (const HRESULT refused = RefusedTransfer(pv, CanRead(mode_)); FAILED(refused))
            return refused;
        const std::vector<BYTE>& bytes = element_->bytes;
        ULONG count = 0;
        if (position_ < bytes.size())
            count = static_cast<ULONG>(std::min<ULONGLONG>(cb, bytes.size() - position_));
        if (count > 0)
            std::memcpy(pv, bytes.data() + position_, count);
        position_ += count;
        if (pcbRead != nullptr)
            *pcbRead = count;
        return S_OK;
    }

    HRESULT Write(const void* pv, ULONG cb, ULONG* pcbWritten) override
    {
        if (pcbWritten != nullptr)
            *pcbWritten = 0;
        if (const HRESULT refused = RefusedTransfer(pv, CanWrite(mode_)); FAILED(refused))
            return refused;
        if (cb == 0)
            return S_OK;
        std::vector<BYTE>& bytes = element_->bytes;
        if (position_ > std::numeric_limits<std::size_t>::max() - cb)
            return E_OUTOFMEMORY;
        const std::size_t end = static_cast<std::size_t>(position_) + cb;
        try {
            if (end > bytes.size())
                bytes.resize(end);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (const std::length_error&) {
            return E_OUTOFMEMORY;
        }
        std::memcpy(bytes.data() + position_, pv, cb);
        position_ = end;
        if (pcbWritten != nullptr)
            *pcbWritten = cb;
        return S_OK;
    }

    HRESULT Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) override
    {
        if (element_->reverted)
            return STG_E_REVERTED;
        ULONGLONG base = 0;
        switch (dwOrigin) {
        case STREAM_SEEK_SET: base = 0; break;
        case STREAM_SEEK_CUR: base = position_; break;
        case STREAM_SEEK_END: base = element_->bytes.size(); break;
        default: return STG_E_INVALIDFUNCTION;
        }
        const LONGLONG move = dlibMove.QuadPart;
        ULONGLONG target = 0;
        if (move < 0) {
            const ULONGLONG back = 0 - static_cast<ULONGLONG>(move);
            if (back > base)
                return STG_E_INVALIDFUNCTION;
            target = base - back;
        } else {
            const auto forward = static_cast<ULONGLONG>(move);
            if (forward > std::numeric_limits<ULONGLONG>::max() - base)
                return STG_E_INVALIDFUNCTION;
            target = base + forward;
        }
        position_ = target;
        if (plibNewPosition != nullptr)
            plibNewPosition->QuadPart = position_;
        return S_OK;
    }

    // Writes reach the storage at once, so a commit has nothing left to do.
    HRESULT Commit(DWORD) override { return element_->reverted ? STG_E_REVERTED : S_OK; }

    // Statistics without the name only: the system never asks for it.
    HRESULT Stat(STATSTG* pstatstg, DWORD grfStatFlag) override
    {
        if (pstatstg == nullptr)
            return STG_E_INVALIDPOINTER;
        if (element_->reverted)
            return STG_E_REVERTED;
        if (grfStatFlag != STATFLAG_NONAME)
            return STG_E_INVALIDFLAG;
        *pstatstg = STATSTG{};
        pstatstg->type = STGTY_STREAM;
        pstatstg->cbSize.QuadPart = element_->bytes.size();
        pstatstg->grfMode = mode_;
        return S_OK;
    }

private:
    // Why a read or write may not go ahead (a missing buffer, a replaced stream, an
    // access mode that does not allow it), or S_OK.
    HRESULT RefusedTransfer(const void* buffer, bool accessAllowed) const
    {
        if (buffer == nullptr)
            return STG_E_INVALIDPOINTER;
        if (element_->reverted)
            return STG_E_REVERTED;
        return accessAllowed ? S_OK : STG_E_ACCESSDENIED;
    }
    friend class RefCounted<MemoryStream>;
    ~MemoryStream() { element_->open = false; }

    std::shared_ptr<StreamElement> element_;
    DWORD mode_;
    ULONGLONG position_ = 0;
};

class MemoryStorage final : public IStorage, private RefCounted<MemoryStorage> {
public:
    explicit MemoryStorage(DWORD mode) : mode_(mode) {}

    HRESULT QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (ppvObject == nullptr)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IStorage) {
            AddRef();
            *ppvObject = static_cast<IStorage*>(this);
            return S_OK;
        }
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return AddReference(); }
    ULONG Release() override { return ReleaseReference(); }

    HRESULT CreateStream(const OLECHAR* pwcsName, DWORD grfMode, DWORD reserved1, DWORD reserved2,
                         IStream** ppstm) override
    {
        if (ppstm == nullptr)
            return STG_E_INVALIDPOINTER;
        *ppstm = nullptr;
        if (reserved1 != 0 || reserved2 != 0)
            return STG_E_INVALIDPARAMETER;
        std::u16string name;
        if (const HRESULT hr = CheckStreamNameAndMode(pwcsName, grfMode, name); FAILED(hr))
            return hr;
        if (!CanWrite(mode_))
            return STG_E_ACCESSDENIED;
        auto existing = Find(name);
        if (existing != elements_.end()) {
            if ((grfMode & STGM_CREATE) == 0)
                return STG_E_FILEALREADYEXISTS;
            (*existing)->reverted = true;
            elements_.erase(existing);
        }
        auto element = std::make_shared<StreamElement>();
        element->name = std::move(name);
        elements_.push_back(element);
        *ppstm = new MemoryStream(std::move(element), grfMode);
        return S_OK;
    }

    HRESULT OpenStream(const OLECHAR* pwcsName, void* reserved1, DWORD grfMode, DWORD reserved2,
                       IStream** ppstm) override
    {
        if (ppstm == nullptr)
            return STG_E_INVALIDPOINTER;
        *ppstm = nullptr;
        if (reserved1 != nullptr || reserved2 != 0)
            return STG_E_INVALIDPARAMETER;
        std::u16string name;
        if (const HRESULT hr = CheckStreamNameAndMode(pwcsName, grfMode, name); FAILED(hr))
            return hr;
        if ((grfMode & STGM_CREATE) != 0)
            return STG_E_INVALIDFLAG;
        if (CanWrite(grfMode) && !CanWrite(mode_))
            return STG_E_ACCESSDENIED;
        auto existing = Find(name);
        if (existing == elements_.end())
            return STG_E_FILENOTFOUND;
        if ((*existing)->open)
            return STG_E_ACCESSDENIED;
        *ppstm = new MemoryStream(*existing, grfMode);
        return S_OK;
    }

private:
    friend class RefCounted<MemoryStorage>;
    // Handles still open on its streams outlive the storage, reverted: they answer
    // STG_E_REVERTED to everything but Release.
    ~MemoryStorage()
    {
        for (const auto& element : elements_)
            element->reverted = true;
    }

    std::vector<std::shared_ptr<StreamElement>>::iterator Find(const std::u16string& name)
    {
        return std::find_if(elements_.begin(), elements_.end(),
                            [&](const std::shared_ptr<StreamElement>& element) { return SameName(element->name, name); });
    }

    DWORD mode_;
    std::vector<std::shared_ptr<StreamElement>> elements_;
};

}  // namespace

HRESULT CreateMemoryStorage(DWORD grfMode, IStorage** storage)
{
    if (storage == nullptr)
        return STG_E_INVALIDPOINTER;
    *storage = nullptr;
    if ((grfMode & AccessMask) == AccessMask)
        return STG_E_INVALIDFLAG;
    *storage = new MemoryStorage(grfMode);
    return S_OK;
}

#pragma once
// A fresh storage in memory attached for the whole module, no unit bound, with a look at a
// unit's bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "engine_services/units/unit_streams.h"
#include "tests/support/platform_objects.h"

constexpr DWORD ReadWriteExclusive = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

class StorageFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Units that an earlier test of the same process left bound.
        UnitTable.clear();
        ASSERT_EQ(CreateTestStorage(ReadWriteExclusive, &storage), S_OK);
        Attach(1);
    }
    void TearDown() override
    {
        attached.reset();
        storage->Release();
    }

    void Attach(SHORT copyFlag)
    {
        attached.reset();
        attached = std::make_unique<StorageUnits>(storage, copyFlag);
    }
    void Detach() { attached.reset(); }

    // Detaches while the attached units hold the storage's only reference, so that the
    // storage goes and its streams are reverted; then attaches a new storage.
    void ReleaseStorageAndAttachAnother()
    {
        storage->Release();
        attached.reset();
        ASSERT_EQ(CreateTestStorage(ReadWriteExclusive, &storage), S_OK);
        Attach(1);
    }

    // Binds `unit` to a new stream named after `name`.
    void Create(std::int32_t unit, const char* name = "CASE.DAT")
    {
        ASSERT_EQ(CreateUnitStream(unit, name, static_cast<std::int32_t>(std::strlen(name)), ReadWriteExclusive), 1);
    }

    // Every byte of the unit's stream; its position is kept.
    std::vector<BYTE> Bytes(std::int32_t unit)
    {
        IStream* stream = FindUnitStream(unit);
        std::vector<BYTE> bytes;
        if (stream == nullptr)
            return bytes;
        ULARGE_INTEGER position{};
        stream->Seek(StreamOffset(0), STREAM_SEEK_CUR, &position);
        stream->Seek(StreamOffset(0), STREAM_SEEK_SET, nullptr);
        BYTE chunk[256];
        ULONG got = 0;
        while (stream->Read(chunk, sizeof chunk, &got) == S_OK && got > 0)
            bytes.insert(bytes.end(), chunk, chunk + got);
        stream->Seek(StreamOffset(static_cast<LONGLONG>(position.QuadPart)), STREAM_SEEK_SET, nullptr);
        return bytes;
    }

    // Writes raw bytes at the unit's position, as a file from elsewhere would hold them.
    void Feed(std::int32_t unit, const std::vector<BYTE>& bytes)
    {
        ASSERT_EQ(FindUnitStream(unit)->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr), S_OK);
    }

    IStorage* storage = nullptr;
    std::unique_ptr<StorageUnits> attached;
};

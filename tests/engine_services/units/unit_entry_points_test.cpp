// The unit entry points on the stream path, while a storage is attached.
#include <gtest/gtest.h>

#include <string>

#include "engine_services/units/unit_entry_points.h"
#include "engine_services/units/unit_records.h"
#include "tests/engine_services/units/storage_fixture.h"
#include "tests/engine_services/units/unit_calls.h"

namespace {

class StreamUnits : public StorageFixture {};

TEST_F(StreamUnits, NamesAreTrimmedOfTrailingBlanksOnly)
{
    const struct {
        std::string name;
        std::int32_t expected;
        const OLECHAR* stream;
    } cases[] = {
        {"CASE7.IN   ", 1, OLESTR("IN")},
        {"SCRATCH1   ", 1, OLESTR("SCRATCH1")},
        {"TAB.T\t", 1, OLESTR("T\t")},
        {"     ", 0, nullptr},
        {"", 0, nullptr},
    };
    std::int32_t unit = 1;
    for (const auto& c : cases) {
        ASSERT_EQ(CreateUnit(unit, c.name), c.expected) << c.name;
        if (c.stream == nullptr)
            continue;
        EXPECT_EQ(UnitClose(&unit), 1);
        IStream* stream = nullptr;
        EXPECT_EQ(storage->OpenStream(c.stream, nullptr, ReadWriteExclusive, 0, &stream), S_OK) << c.name;
        if (stream != nullptr)
            stream->Release();
        EXPECT_EQ(OpenUnit(unit, c.name), 1) << c.name;
    }
    IStream* bound = FindUnitStream(unit);
    ASSERT_NE(bound, nullptr);
    EXPECT_EQ(OpenUnit(unit, "   "), 0);
    EXPECT_EQ(FindUnitStream(unit), bound) << "an all-blank name leaves the binding";
}

TEST_F(StreamUnits, CreateWriteRewindReadClose)
{
    std::int32_t unit = 3;
    ASSERT_EQ(CreateUnit(unit, "RUN.OUT"), 1);
    ASSERT_EQ(Write(unit, "VALUE 12  "), 1);
    ASSERT_EQ(Write(unit, "NEXT"), 1);
    EXPECT_EQ(Bytes(unit).size(), (28u + 20) + (28u + 8)) << "trailing blanks are written";
    EXPECT_EQ(UnitCommit(&unit), 1);
    EXPECT_EQ(UnitRewind(&unit), 1);
    EXPECT_EQ(UnitBackspace(&unit), 0);
    std::string buffer(12, '#');
    ASSERT_EQ(Read(unit, buffer), 1);
    EXPECT_EQ(buffer, "VALUE 12    ");
    ASSERT_EQ(Read(unit, buffer), 1);
    EXPECT_EQ(buffer, "NEXT        ");
    EXPECT_EQ(Read(unit, buffer), 0);
    EXPECT_EQ(UnitClose(&unit), 1);
    EXPECT_EQ(UnitClose(&unit), 0);
    EXPECT_EQ(UnitRewind(&unit), 0);
    EXPECT_EQ(UnitCommit(&unit), 0);
}

TEST_F(StreamUnits, AUnitWhoseStorageWasReleasedNeitherWritesNorReads)
{
    std::int32_t unit = 4;
    ASSERT_EQ(CreateUnit(unit, "RUN.OUT"), 1);
    ASSERT_EQ(Write(unit, "BEFORE"), 1);
    ReleaseStorageAndAttachAnother();
    EXPECT_EQ(Write(unit, "LOST"), 0) << "nobody can reach the released storage";
    EXPECT_EQ(UnitCommit(&unit), 0);
    EXPECT_EQ(UnitRewind(&unit), 0);
    std::string buffer(6, '#');
    EXPECT_EQ(Read(unit, buffer), 0);
    EXPECT_EQ(buffer, "      ");
    EXPECT_EQ(UnitClose(&unit), 1);
    EXPECT_EQ(CreateUnit(unit, "RUN.OUT"), 1) << "the new storage has no such stream yet";
}

}  // namespace

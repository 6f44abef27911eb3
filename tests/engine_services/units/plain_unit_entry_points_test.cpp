// The unit entry points without a storage: the Fortran run-time's plain units, and the
// path chosen anew on every call.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "engine_services/units/plain_units.h"
#include "engine_services/units/unit_entry_points.h"
#include "tests/engine_services/units/storage_fixture.h"
#include "tests/engine_services/units/unit_calls.h"
#include "tests/support/temporary_folder.h"

namespace {

class PlainUnits : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = NewTemporaryFolder("quill-units").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string File(const std::string& name, const std::string& content)
    {
        const std::string path = folder + "/" + name;
        std::ofstream(path) << content;
        return path;
    }

    std::string folder;
};

TEST_F(PlainUnits, OpenReadRewindBackspaceClose)
{
    const std::string path = File("case.txt", "FIRST LINE\nSECOND\n");
    std::int32_t unit = 41;
    ASSERT_EQ(OpenUnit(unit, path + "   "), -1) << "trailing blanks of a FILE= name are not part of it";
    std::string buffer(80, '#');
    ASSERT_EQ(Read(unit, buffer), 80);
    EXPECT_EQ(buffer, "FIRST LINE" + std::string(70, ' '));
    std::string shorter(3, '#');
    ASSERT_EQ(Read(unit, shorter), 3);
    EXPECT_EQ(shorter, "SEC");
    EXPECT_EQ(Read(unit, buffer), 0) << "end of file";
    EXPECT_EQ(UnitRewind(&unit), 0);
    ASSERT_EQ(Read(unit, buffer), 80);
    EXPECT_EQ(UnitBackspace(&unit), 0);
    ASSERT_EQ(Read(unit, buffer), 80);
    EXPECT_EQ(buffer.substr(0, 10), "FIRST LINE") << "backspace stepped back one record";
    std::string none;
    EXPECT_EQ(Read(unit, none), 0) << "a zero-length buffer answers its length, 0";
    EXPECT_EQ(Read(unit, buffer), 0) << "...but consumed the second record";
    EXPECT_EQ(UnitClose(&unit), 0);
}

TEST_F(PlainUnits, CloseDisconnectsTheUnit)
{
    const std::string first = File("first.txt", "FIRST FILE\n");
    const std::string second = File("second.txt", "SECOND FILE\n");
    std::int32_t unit = 47;
    ASSERT_EQ(OpenUnit(unit, first), -1);
    std::string buffer(11, '#');
    ASSERT_EQ(Read(unit, buffer), 11);
    ASSERT_EQ(UnitClose(&unit), 0);
    EXPECT_GT(UnitBackspace(&unit), 0) << "the unit is no longer connected";
    ASSERT_EQ(OpenUnit(unit, second), -1);
    ASSERT_EQ(Read(unit, buffer), 11);
    EXPECT_EQ(buffer, "SECOND FILE") << "the unit reads the file opened after the close";
    EXPECT_EQ(UnitClose(&unit), 0);
}

TEST_F(PlainUnits, OpeningCreatesAMissingFile)
{
    const std::string path = folder + "/new.txt";
    ASSERT_EQ(OpenUnit(42, path), -1);
    std::int32_t unit = 42;
    EXPECT_EQ(UnitClose(&unit), 0);
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(PlainUnits, CreateWriteAndCommitDoNothingWithoutStorage)
{
    const std::string path = folder + "/never.txt";
    std::int32_t unit = 43;
    EXPECT_EQ(CreateUnit(unit, path), 0);
    EXPECT_EQ(Write(unit, "TEXT"), 0);
    EXPECT_EQ(UnitCommit(&unit), 0);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(PlainUnits, ErrorsAreAnsweredWithoutEndingTheProcess)
{
    std::int32_t never = 97;
    EXPECT_EQ(UnitBackspace(&never), 5005) << "the run-time's status for an unattached unit";
    EXPECT_EQ(UnitRewind(&never), 0);
    EXPECT_EQ(UnitClose(&never), 0);
    EXPECT_EQ(OpenUnit(44, folder), 0) << "a folder cannot be opened as a unit file";
    std::int32_t negative = -7;
    const std::string path = File("x.txt", "X\n");
    EXPECT_EQ(UnitOpen(&negative, path.data(), static_cast<std::uint32_t>(path.size()), &Mode), 0);
    EXPECT_GT(UnitBackspace(&negative), 0);
    EXPECT_EQ(UnitRewind(&negative), 0) << "the run-time treats it as a unit never opened";
    EXPECT_EQ(UnitClose(&negative), 0);
    std::string buffer(8, '#');
    EXPECT_EQ(Read(-7, buffer), 0) << "a read error answers 0";
}

// What a unit operation answers, and what a read left in its buffer.
struct Outcome {
    std::int32_t answer;
    std::string buffer;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* os)
{
    *os << outcome.answer << " with the buffer \"" << outcome.buffer << '"';
}

// The run-time numbers its internal units -1 and -2: a statement on one of them, with no
// file behind it, ends the process. Every negative unit is answered as the run-time answers
// one that it never handed out, such as -3.
TEST_F(PlainUnits, EveryNegativeUnitIsAnsweredAsTheRunTimeAnswersAnOrdinaryOne)
{
    const std::string path = File("x.txt", "X\n");
    const std::int32_t mode = 0;
    const struct {
        const char* what;
        std::function<Outcome(std::int32_t)> entry;
        std::function<Outcome(std::int32_t)> plain;
    } operations[] = {
        {"rewind", [](std::int32_t unit) { return Outcome{UnitRewind(&unit), ""}; },
         [](std::int32_t unit) { return Outcome{plainunitrewind_(&unit), ""}; }},
        {"backspace", [](std::int32_t unit) { return Outcome{UnitBackspace(&unit), ""}; },
         [](std::int32_t unit) { return Outcome{plainunitbackspace_(&unit), ""}; }},
        {"close", [](std::int32_t unit) { return Outcome{UnitClose(&unit), ""}; },
         [](std::int32_t unit) { return Outcome{plainunitclose_(&unit), ""}; }},
        {"read",
         [](std::int32_t unit) {
             std::string buffer(8, '#');
             return Outcome{Read(unit, buffer), buffer};
         },
         [](std::int32_t unit) {
             std::string buffer(8, '#');
             return Outcome{plainunitreadtext_(&unit, buffer.data(), buffer.size()), buffer};
         }},
        {"open", [&](std::int32_t unit) { return Outcome{OpenUnit(unit, path), ""}; },
         [&](std::int32_t unit) { return Outcome{plainunitopen_(&unit, path.data(), &mode, path.size()), ""}; }},
    };
    for (const auto& operation : operations) {
        const Outcome ordinary = operation.plain(-3);
        for (const std::int32_t unit : {-1, -2, -3, std::numeric_limits<std::int32_t>::min()})
            EXPECT_EQ(operation.entry(unit), ordinary) << operation.what << " of unit " << unit;
    }
}

// The run-time refuses a read past the end-of-file record that was already met: an error,
// not the end of the file again.
TEST_F(PlainUnits, AReadErrorOtherThanTheEndOfTheFileAnswersZero)
{
    std::int32_t unit = 48;
    ASSERT_EQ(OpenUnit(unit, File("one.txt", "ONE\n")), -1);
    std::string buffer(8, '#');
    ASSERT_EQ(Read(unit, buffer), 8);
    ASSERT_EQ(Read(unit, buffer), 0) << "end of file";
    buffer.assign(8, '#');
    EXPECT_EQ(Read(unit, buffer), 0);
    EXPECT_EQ(UnitClose(&unit), 0);
}

class StreamUnits : public StorageFixture {};

TEST_F(StreamUnits, ThePathIsChosenOnEveryCall)
{
    const std::filesystem::path folder = NewTemporaryFolder("quill-units");
    const std::string path = (folder / "plain.txt").string();
    std::ofstream(path) << "PLAIN\n";

    Detach();
    std::int32_t unit = 45;
    ASSERT_EQ(OpenUnit(unit, path), -1);
    Attach(1);
    std::string buffer(5, '#');
    EXPECT_EQ(Read(unit, buffer), 0) << "no stream is bound to the plain unit";
    EXPECT_EQ(UnitClose(&unit), 0);
    Detach();
    ASSERT_EQ(Read(unit, buffer), 5) << "the plain unit stayed open";
    EXPECT_EQ(buffer, "PLAIN");
    EXPECT_EQ(UnitClose(&unit), 0);
    std::filesystem::remove_all(folder);
}

TEST_F(StreamUnits, OnceTheStorageIsDetachedABoundUnitIsReachedAsAPlainUnit)
{
    std::int32_t unit = 46;
    ASSERT_EQ(CreateUnit(unit, "RUN.OUT"), 1);
    ASSERT_EQ(Write(unit, "KEPT"), 1);
    const std::vector<BYTE> written = Bytes(unit);

    Detach();
    EXPECT_EQ(Write(unit, "LOST"), 0) << "without a storage nothing is written anywhere";
    EXPECT_EQ(UnitCommit(&unit), 0);
    EXPECT_EQ(UnitRewind(&unit), 0) << "the plain REWIND of a unit never opened";
    EXPECT_GT(UnitBackspace(&unit), 0) << "the plain BACKSPACE of a unit never opened";
    EXPECT_EQ(UnitClose(&unit), 0) << "the plain CLOSE of a unit never opened";
    ASSERT_NE(FindUnitStream(unit), nullptr) << "the plain CLOSE left the stream bound";
    EXPECT_EQ(Bytes(unit), written) << "and unchanged";
}

}  // namespace

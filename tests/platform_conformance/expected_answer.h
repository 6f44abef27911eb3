#pragma once
// The answer that a row of the conformance table expects from the platform under test.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "tests/support/platform_objects.h"

// Wine's answer where the row names a difference of Wine's and Wine is the platform under
// test, the platform's otherwise. While it lives, failure messages say when the answer is
// Wine's, and why a row holds an answer that no platform source records.
template <typename Row>
class ExpectedAnswer {
public:
    using Answer = decltype(std::declval<const Row&>().Platform());

    explicit ExpectedAnswer(const Row& row)
        : underWine_(row.wine.why != nullptr && RunsUnderWine()), answer_(underWine_ ? row.wine.answer : row.Platform())
    {
        if (underWine_)
            trace_.emplace(__FILE__, __LINE__, std::string("expecting Wine's answer: ") + row.wine.why);
        else if (row.unrecorded != nullptr)
            trace_.emplace(__FILE__, __LINE__, std::string("no platform source records this answer: ") + row.unrecorded);
    }

    const Answer& operator*() const { return answer_; }
    const Answer* operator->() const { return &answer_; }

private:
    bool underWine_;
    Answer answer_;
    std::optional<::testing::ScopedTrace> trace_;
};

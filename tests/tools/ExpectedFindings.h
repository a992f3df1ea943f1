#pragma once

// The checkers' tests expect exactly a list of findings: each one expected
// is found once (as `matches` tells), and nothing else is found.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

template <typename Finding, typename Wanted, typename Matches, typename Describe>
void ExpectExactlyTheseFindings(const std::vector<Finding>& findings, std::vector<Wanted> expected, Matches matches,
                                Describe describe)
{
    std::vector<Finding> unexpected;
    for (const Finding& finding : findings) {
        const auto match = std::find_if(expected.begin(), expected.end(),
                                        [&](const Wanted& wanted) { return matches(wanted, finding); });
        if (match == expected.end())
            unexpected.push_back(finding);
        else
            expected.erase(match);
    }
    EXPECT_TRUE(unexpected.empty()) << "Unexpected findings:\n" << describe(unexpected);
    for (const Wanted& missed : expected)
        ADD_FAILURE() << "Not found: " << missed.part << "\nAll findings:\n" << describe(findings);
}

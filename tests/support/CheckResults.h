#pragma once
// Looking into the results of the device checks: the one with an id, and whether a text holds a piece.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/SystemCheck.h"

namespace feld::test {

inline const CheckResult& FindCheck(const std::vector<CheckResult>& results, const std::string& id)
{
    for (const auto& r : results)
        if (r.id == id)
            return r;
    static CheckResult none;
    ADD_FAILURE() << "no check " << id;
    return none;
}

inline bool Has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

}  // namespace feld::test

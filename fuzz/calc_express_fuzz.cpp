// The formula parser and evaluator of global editing. The input is split into the variable names
// (one a line), the formula and the values (8 bytes each, as doubles).
#include <cstring>
#include <vector>

#include "fuzz_support.h"
#include "globaledit/calc_express.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitFrames(fuzz::bytesOf(data, size), 3);
    std::vector<std::string> names;
    std::string name;
    for (const char c : fuzz::textOf(parts[0])) {
        if (c == '\n') {
            names.push_back(name);
            name.clear();
        } else {
            name += c;
        }
    }
    if (!name.empty()) {
        names.push_back(name);
    }
    std::vector<double> values;
    for (std::size_t at = 0; at + sizeof(double) <= parts[2].size(); at += sizeof(double)) {
        double value = 0;
        std::memcpy(&value, parts[2].data() + at, sizeof value);
        values.push_back(value);
    }
    fuzz::refusalsOnly([&] {
        TCalcExpress formula;
        formula.setVariables(names);
        formula.setFormula(fuzz::textOf(parts[1]));
        (void)formula.evaluate(values);
        for (std::size_t i = 0; i < names.size() && i < values.size(); ++i) {
            formula.setValue(i, values[i]);
        }
        (void)formula.evaluate();
    });
    return 0;
}

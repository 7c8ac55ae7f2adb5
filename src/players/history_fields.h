#pragma once

#include <cstdint>
#include <string_view>

#include "league/stat_lines.h"

namespace zt {

// A decoded line's field by its name, for the history grids whose columns name the fields they
// show. The names and bit widths are the codecs' own (visitLineFields).

template <class Data>
std::uint32_t lineFieldValue(const Data& data, std::string_view name) {
    std::uint32_t value = 0;
    visitLineFields(data, [&](std::string_view field, const auto& member, const BitSpot&) {
        if (field == name) {
            value = member;
        }
    });
    return value;
}

// The largest value the stored line can hold in that field.
template <class Data>
std::uint32_t lineFieldMaximum(std::string_view name) {
    Data data;
    std::uint32_t maximum = 0;
    visitLineFields(data, [&](std::string_view field, const auto&, const BitSpot& spot) {
        if (field == name) {
            maximum = spot.maximum();
        }
    });
    return maximum;
}

// Stores a value the caller has checked against lineFieldMaximum.
template <class Data>
void setLineField(Data& data, std::string_view name, std::uint32_t value) {
    visitLineFields(data, [&](std::string_view field, auto& member, const BitSpot&) {
        if (field == name) {
            member = static_cast<std::remove_reference_t<decltype(member)>>(value);
        }
    });
}

}  // namespace zt

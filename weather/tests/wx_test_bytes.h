// Weather file bytes built field by field in the tests, independent of the library's
// encoder: each value is one 4-byte little-endian field.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <variant>
#include <vector>

namespace wx::testing {

using Field = std::variant<int32_t, float>;
using Bytes = std::vector<std::byte>;

inline void Append(Bytes& bytes, std::initializer_list<Field> fields) {
    for (const Field& field : fields) {
        const uint32_t bits = std::holds_alternative<float>(field) ? std::bit_cast<uint32_t>(std::get<float>(field))
                                                                   : std::bit_cast<uint32_t>(std::get<int32_t>(field));
        for (int i = 0; i < 4; ++i) bytes.push_back(std::byte((bits >> (8 * i)) & 0xFF));
    }
}

inline Bytes Fields(std::initializer_list<Field> fields) {
    Bytes bytes;
    Append(bytes, fields);
    return bytes;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const Bytes& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

inline Bytes Header(int32_t windLess1, int32_t vis, int32_t cloud, int32_t temp, int32_t icao = -1,
                    int32_t unknown1 = 0) {
    return Fields({windLess1, vis, cloud, temp, unknown1, icao, int32_t{0}});
}
inline Bytes Wind(float altitude, float speed = 0) {
    return Fields({altitude, speed, 1.0f, 2.0f, int32_t{0}, int32_t{3}, int32_t{4}});
}
inline Bytes Visibility(float range) { return Fields({range, 0.0f, 100.0f}); }
inline Bytes Cloud(int32_t type) {
    return Fields(
        {type, 100.0f, 200.0f, 0.0f, int32_t{5}, int32_t{0}, int32_t{1}, int32_t{1}, 0.0f, int32_t{2}, int32_t{0}});
}
inline Bytes Temperature(float altitude) { return Fields({altitude, 15.0f, 3.0f, 10.0f}); }
inline Bytes Pressure(float pressure) { return Fields({int32_t{7}, pressure, 15.0f}); }

// The 96-byte record that the editor appends.
inline Bytes NewRecordBytes(int32_t icao) {
    return Concat(
        {Header(0, 1, 0, 1, icao, 791626), Fields({6562.0f, 0.0f, 0.0f, 0.0f, int32_t{0}, int32_t{0}, int32_t{0}}),
         Fields({48000.0f, 0.0f, 32810.0f}), Fields({0.0f, 15.0f, 3.0f, 15.0f}), Fields({int32_t{0}, 1012.2f, 15.0f})});
}

}  // namespace wx::testing

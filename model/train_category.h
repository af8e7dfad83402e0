// TrainCategory: the category table of the timetable, its defaults and the
// delay chances of each category class.
#pragma once

#include <array>
#include <cstdint>

constexpr int32_t kCategoryCount = 250;      ///< category numbers 0..249
constexpr int32_t kCategoryClassCount = 6;   ///< classes 0..5
constexpr int32_t kLightEngineCategory = 7;  ///< "LOK", carried by light-engine rows

// Category classes; the class decides the delay draw and the move rules.
enum CategoryClass : int32_t {
    kClassUndefined = -1,  ///< a number the table does not define
    kClassSuburban = 0,    ///< "Podmiejski"
    kClassStopping = 1,    ///< "Osobowy"
    kClassFast = 2,        ///< "Pospieszny"
    kClassExpress = 3,     ///< "Expres"
    kClassFreight = 4,     ///< "Towarowy"
    kClassSpecial = 5,     ///< "Specjalny"
};

// Sign of a delay chance.
enum DelaySign : int32_t {
    kDelayEarly = 0,  ///< chance of running early
    kDelayLate = 1,   ///< chance of running late
};

struct TrainCategory {
    int32_t categoryClass = kClassUndefined;  ///< CategoryClass, -1 when not defined
    char longCode[4] = {};                    ///< up to three characters, zero-terminated
    char letter[4] = {};                      ///< one character, zero-terminated
};

using CategoryTable = std::array<TrainCategory, kCategoryCount>;
using DelayChances = std::array<std::array<int32_t, 2>, kCategoryClassCount>;

// Class names as the settings file spells them, indexed by class.
extern const char* const kCategoryClassNames[kCategoryClassCount];

CategoryTable DefaultCategoryTable();  // the 29 defined numbers, every other one undefined
DelayChances DefaultDelayChances();    // early / late percent per class

bool IsCategoryNumber(int32_t number);  // 0..249
bool IsCategoryClass(int32_t cls);      // 0..5

// TrainCategory: the default category table and delay chances.
#include "model/train_category.h"

#include <cstddef>

namespace {

struct DefaultCategory {
    int32_t number;         ///< category number
    int32_t categoryClass;  ///< its class
    const char* longCode;   ///< up to three characters
    char letter;            ///< one-letter code
};

const DefaultCategory kDefaultCategories[] = {
    {0, kClassFreight, "TW", 'T'},    {1, kClassSuburban, "SKM", 'S'},
    {2, kClassStopping, "OS", 'O'},   {3, kClassSuburban, "WKD", 'W'},
    {4, kClassFast, "POS", 'P'},      {5, kClassFast, "TLK", 'K'},
    {6, kClassExpress, "EX", 'X'},    {7, kClassSpecial, "LOK", 'L'},
    {8, kClassExpress, "IC", 'I'},    {10, kClassExpress, "EC", 'E'},
    {12, kClassExpress, "HOT", 'H'},  {13, kClassExpress, "NEX", 'N'},
    {14, kClassSpecial, "PC", 'C'},   {16, kClassSpecial, "BG", 'B'},
    {18, kClassExpress, "EN", 'E'},   {20, kClassSpecial, "Z", 'Z'},
    {22, kClassStopping, "REG", 'R'}, {24, kClassFast, "IRN", 'N'},
    {102, kClassSuburban, "S", 'S'},  {103, kClassStopping, "RB", 'B'},
    {104, kClassFast, "RE", 'E'},     {106, kClassExpress, "IR", 'I'},
    {108, kClassExpress, "ICN", 'N'}, {110, kClassExpress, "ICE", 'C'},
    {202, kClassStopping, "TER", 'T'}, {204, kClassFast, "COR", 'C'},
    {206, kClassExpress, "EST", 'E'}, {208, kClassExpress, "TGV", 'G'},
    {212, kClassExpress, "TdN", 'N'},
};

}  // namespace

const char* const kCategoryClassNames[kCategoryClassCount] = {
    "Podmiejski", "Osobowy", "Pospieszny", "Expres", "Towarowy", "Specjalny",
};

CategoryTable DefaultCategoryTable()
{
    CategoryTable table{};
    for (const DefaultCategory& d : kDefaultCategories) {
        TrainCategory& c = table[static_cast<std::size_t>(d.number)];
        c.categoryClass = d.categoryClass;
        for (std::size_t i = 0; i + 1 < sizeof c.longCode && d.longCode[i]; ++i)
            c.longCode[i] = d.longCode[i];
        c.letter[0] = d.letter;
    }
    return table;
}

DelayChances DefaultDelayChances()
{
    return {{{2, 5}, {5, 20}, {10, 20}, {10, 10}, {10, 30}, {15, 30}}};
}

bool IsCategoryNumber(int32_t number) { return number >= 0 && number < kCategoryCount; }

bool IsCategoryClass(int32_t cls) { return cls >= 0 && cls < kCategoryClassCount; }

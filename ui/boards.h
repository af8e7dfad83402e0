// The arrival and departure boards without windows: which trains are listed,
// in what colour and font, with which texts in which columns, the depot's
// locomotives at the top of the arrivals, and how many rows fit the pane.
// The painter measures the wrapped relations and draws what these decide.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/game.h"
#include "ui/level_bar.h"

constexpr int32_t kBoardStandingColour = RgbColour(0, 0, 255);   ///< at the station, or due to leave
constexpr int32_t kBoardColour = RgbColour(0, 0, 0);             ///< still to come
constexpr int32_t kBoardWaitingColour = RgbColour(255, 0, 0);    ///< held before its entry / overdue departure
constexpr int32_t kBoardAdmittedColour = RgbColour(0, 128, 0);   ///< admitted, on its way in
constexpr int32_t kBoardNotOkColour = RgbColour(200, 0, 0);      ///< a vehicle of it is damaged
constexpr int32_t kBoardLateColour = RgbColour(210, 0, 0);       ///< a positive delay
constexpr int32_t kBoardPlaceColour = RgbColour(150, 0, 0);      ///< where the train stands
constexpr int32_t kBoardDepotColour = RgbColour(0, 128, 0);      ///< the depot's locomotives
constexpr int32_t kBoardHeaderLineColour = RgbColour(120, 120, 120);

// The first line's font; the relation always uses the small board font.
enum class BoardFont : int32_t { kRegular, kItalic, kUnderline };

struct BoardCell {
    int32_t column = 0;  ///< board units from the pane's left edge
    std::string text;    ///< never empty
    int32_t colour = 0;  ///< 0x00BBGGRR

    bool operator==(const BoardCell& o) const { return column == o.column && text == o.text && colour == o.colour; }
};

// One listed train, or one locomotive of the depot.
struct BoardRow {
    int32_t colour = kBoardColour;         ///< the row's colour
    BoardFont font = BoardFont::kRegular;  ///< of the first line
    std::vector<BoardCell> cells;          ///< the first line, in column order
    int32_t relationColumn = 0;            ///< board units where the second line starts
    std::string relation;                  ///< wrapped at words up to the pane's right edge; may be empty

    bool operator==(const BoardRow& o) const
    {
        return colour == o.colour && font == o.font && cells == o.cells && relationColumn == o.relationColumn &&
               relation == o.relation;
    }
};

// The row at a position of the arrival (departure) index, or none when the
// board does not list it.
std::optional<BoardRow> ArrivalBoardRow(Game& game, int32_t position);
std::optional<BoardRow> DepartureBoardRow(Game& game, int32_t position);
// The depot's locomotives that are ready (4) or being prepared (5), in depot
// order.
std::vector<BoardRow> DepotBoardRows(Game& game);

// Rows of a board pane at scale s (board unit u is ScaleUnits(u, s) pixels).
int32_t BoardHeaderHeight(double s);  // the header's line lies there
int32_t BoardFirstRowY(double s);     // the header's height and a gap
int32_t BoardLineHeight(double s);    // the first line of a row

// Height in pixels of a relation wrapped from pane x `left` to the pane's
// right edge; 0 for an empty text.
using RelationHeight = std::function<int32_t(const std::string& text, int32_t left)>;

struct PlacedBoardRow {
    BoardRow row;                ///< what to draw
    int32_t y = 0;               ///< top of the first line
    int32_t relationHeight = 0;  ///< of the second line, which starts at y + BoardLineHeight

    bool operator==(const PlacedBoardRow& o) const
    {
        return row == o.row && y == o.y && relationHeight == o.relationHeight;
    }
};

struct BoardPlan {
    std::vector<PlacedBoardRow> rows;  ///< top to bottom
    int32_t y = 0;                     ///< below the last row: where the next one would start
    bool full = false;                 ///< a row did not fit: nothing more is listed

    bool operator==(const BoardPlan& o) const { return rows == o.rows && y == o.y && full == o.full; }
};

// Adds the row below the plan's rows when it fits a pane `height` high; a
// row that does not fit ends the board.
bool PlaceBoardRow(BoardPlan& plan, BoardRow row, int32_t height, double s, const RelationHeight& measure);

// The depot section from y; without a game nothing.
BoardPlan PlanDepotSection(Game& game, bool gameRunning, int32_t y, int32_t height, double s,
                           const RelationHeight& measure);
// The trains of one board from y, the index walked from its first position
// until the pane is full; without a game nothing.
BoardPlan PlanBoardList(Game& game, bool gameRunning, bool arrivals, int32_t y, int32_t height, double s,
                        const RelationHeight& measure);

// The queue of one entry/exit line and the texts of its window.
#include "ui/section_queue.h"

#include <algorithm>
#include <cstdio>

#include "model/game.h"
#include "simulation/rolling_stock_kinds.h"

namespace {

void AddCell(QueueRow& row, int32_t x, std::string text)
{
    if (!text.empty()) row.cells.push_back({x, std::move(text)});
}

// A departing train holds the line: when and under which number it leaves.
void DepartingCells(Game& game, int32_t train, QueueRow& row)
{
    AddCell(row, kQueueTimeX, game.ScheduledTimeText(train, kRawRow, kDepartureSide).Text());
    AddCell(row, kQueueNumberX, game.TrainNumberText(train, kRawRow, kDepartureSide).Text());
}

void ArrivingCells(Game& game, int32_t train, QueueRow& row)
{
    AddCell(row, kQueueTimeX, game.ScheduledTimeText(train, kRawRow, kArrivalSide).Text());
    AddCell(row, kQueueKindX, GetTrainKindName(train, game.CategoryCode(train, kRawRow)));
    AddCell(row, kQueueNumberX, game.TrainNumberText(train, kRawRow, kArrivalSide).Text());
    if (game.RowState(train, kRawRow) != kStateLightEngine) {
        AddCell(row, kQueueOriginX, game.OriginText(train, kRawRow).Text());
        AddCell(row, kQueueDestinationX, game.DestinationText(train, kRawRow).Text());
    }
    AddCell(row, kQueueExpectedX, game.ExpectedTimeText(train, kRawRow, kArrivalSide).Text());
}

// printf into a buffer of `limit` bytes, as the dialog's own buffers cut it.
template <typename T>
std::string Bounded(size_t limit, const char* format, T value)
{
    std::string out(limit, '\0');
    const int n = std::snprintf(&out[0], limit, format, value);
    out.resize(std::min(static_cast<size_t>(std::max(n, 0)), limit - 1));
    return out;
}

}  // namespace

std::vector<QueueRow> SectionQueueRows(Game& game, TileCode entryTile)
{
    std::vector<QueueRow> rows;
    const int32_t point = game.FindPointByTile(entryTile);
    if (point < 0) return rows;
    const bool departing = game.LineSectionInfo(point, kSectionLineState) == kLineDeparting;
    const int32_t blocks = game.LineSectionInfo(point, 0);
    for (int32_t i = 0; i < blocks; ++i) {
        QueueRow row;
        row.number = std::to_string(i + 1) + ". ";
        const int32_t train = game.LineSectionInfo(point, i + 1);
        if (train >= 0) (departing ? DepartingCells : ArrivingCells)(game, train, row);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string SectionHeading(const Game& game, TileCode entryTile, int32_t entryNumber)
{
    const int32_t point = game.FindPointByTile(entryTile);
    const char* format = "Odcinek dojazdowy do wjazdu nr: %d";
    if (point < 0 || game.LineSectionInfo(point, 0) == 0)
        format = "Wjazd/wyjazd nr: %d";
    else if (game.LineSectionInfo(point, 1) >= 0 && game.LineSectionInfo(point, kSectionLineState) == kLineDeparting)
        format = "Odcinek wyjazdowy od wyjazdu nr: %d";
    return Bounded(64, format, entryNumber);
}

std::string SectionQuestion(const std::string& waitingTrain)
{
    return Bounded(160, "Pociąg numer %s czeka na pozwolenie zajęcia odcinka", waitingTrain.c_str());
}

int32_t WaitingMinutes(const std::string& typed)
{
    if (typed.empty()) return 0;
    int32_t minutes = 0;
    for (char c : typed) {
        if (c < '0' || c > '9') return 0;
        minutes = std::min(minutes * 10 + (c - '0'), kMaxWaitingMinutes);
    }
    return minutes;
}

QueuePaneSize SectionPaneLogicalSize(int32_t width, int32_t height, double uiScale)
{
    const double scale = uiScale > 0 ? uiScale : 1.0;
    QueuePaneSize size{std::max(static_cast<int32_t>(width / scale), 1), std::max(static_cast<int32_t>(height / scale), 1)};
    if (size.width < kQueueContentWidth) {
        size.height = std::max(static_cast<int32_t>(static_cast<int64_t>(size.height) * kQueueContentWidth / size.width), 1);
        size.width = kQueueContentWidth;
    }
    return size;
}

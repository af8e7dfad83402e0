// Line sections: the block sections of a single-track line behind a kind-3
// point, and the cells of its LineSection record that the movement, the
// admission and the placing of trains read and write. Game::AdvanceLineSections
// moves the trains on the lines once per step.
//
// A departing train (line state -4) passes through every block of the line:
// it takes block 1 when it leaves the point, moves on into the next block when
// its countdown reaches 1 and that block is free (countdown 0), taking that
// block's time, and waits with countdown 1 while it is not; in the last block
// it leaves the line when its countdown reaches 1. So a line is held for the
// whole of a departing train's run, as it is for an arriving one.
#pragma once

#include <cstdint>

#include "model/game.h"

// Block b (0 = block 1, next to the station) of a point's line.
int32_t& BlockTrain(Game& game, int32_t point, int32_t block);
int32_t& BlockCountdown(Game& game, int32_t point, int32_t block);
int32_t BlockTime(Game& game, int32_t point, int32_t block);  // in steps; -1 for a block the line lacks
int32_t& LineStateOf(Game& game, int32_t point);
int32_t BlockCount(const Game& game, int32_t point);  // blocks before the first unused triple

// Puts a train into block b with the block's time (at least one step).
void EnterBlock(Game& game, int32_t point, int32_t block, int32_t train);
// Frees block b: train 0, countdown 0.
void FreeBlock(Game& game, int32_t point, int32_t block);

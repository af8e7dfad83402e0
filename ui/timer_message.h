// One message of timer 1: the simulation steps it runs and what follows them.
#pragma once

// A step's result is the movement flag plus ten times the timetable-change
// flag; the results of a message's steps are combined flag by flag.
int CombineStepFlags(int combined, int stepResult);

// Runs one timer message on the program's game: with no game, a pause or an
// automatic pause only the pacing base is reset; otherwise the delay poll and
// the autosave once, then the steps (delays due, simulation step, midnight,
// tracking, disruptions, admission with the permission question, supplies),
// then the sounds, the status bar and the repaint. Returns the steps run.
int RunTimerMessage();

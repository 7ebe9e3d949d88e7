#pragma once

#include <string_view>

// What `zarvo-sim --help` prints.
inline constexpr std::string_view usageText = R"(Usage: zarvo-sim [options]

Plays matches of Zarvo Cycles with the game's own rules and no window.

Options:
  --seed N          all randomness follows from N (0 to 18446744073709551615); the same seed,
                    options and key file give the same output byte for byte. Without it, a
                    seed is taken from the clock and printed, so that any run can be replayed.
  --humans 1|2      human players (default 1)
  --computers 0..6  computer players (default 1)
  --rule free|deathmatch
                    match rule (default free); deathmatch always plays two humans and no
                    computer, whatever --humans and --computers say
  --level empty|random|1..6
                    the arena (default empty)
  --wrap            the arena wraps around at its edge (default: the edge is a wall)
  --matches N       matches to play (default 1); settings and tallies carry over
  --keys FILE       keys to press, see below
  --replay FILE     play a session recorded by `zarvo-cycles --record FILE`, see below; it
                    holds its own seed and settings, so only --trace and --check go with it
  --max-ticks N     steps after which a match is given up (default 10000)
  --trace           print every event as JSON Lines, see below
  --check           verify the rules' invariants after every setup, tick and Stop, see below
  -h, --help        print this text

A match is played step by step. Before step T of match M the keys for "M T" are pressed in
file order; then, unless the match is paused, one tick moves every cycle in play. A match
ends when a tick leaves a winner, when a tick moves no cycle (no winner), when Stop is
pressed, when NewGame is pressed, when Quit is pressed (it ends the run), or after --max-ticks
steps (no winner). Human cycles keep their heading unless a key turns them.

Key file: one key a line, "MATCH TICK KEY" (both numbers from 1; TICK is the step within
the match); blank lines and everything after '#' are ignored. KEY is one of
  Up Down Left Right   turn player 1
  W A S D              turn player 2 (up, left, down, right; only with two humans)
  Pause                pause or resume the match
  Stop                 stop the match (it ends with reason "stopped")
  NewGame              end the match (reason "replaced") and set up the next match number at
                       once; it counts towards --matches, so NewGame in the last match ends
                       the run
  Quit                 end the match (reason "session ended") and the run
  FreeForAll Deathmatch OneHuman TwoHumans NoComputer OneComputer ... SixComputers
  RandomMap EmptyMap LevelOne ... LevelSix
                       choose that entry of the Players or Levels menu, with the same effect
                       (a deathmatch brings two humans and no computer; one human with no
                       computer brings one computer); it counts from the next setup on
  BoundariesOn BoundariesOff
                       make the arena's edge a wall, or let the arena wrap around
  ClearScores          set every tally back to zero (the Scoreboard's Clear Scores)
Keys for a step the match does not reach are never pressed.

Recording (--replay FILE): what `zarvo-cycles --record FILE` writes, a key file whose first
lines are "zarvo-cycles recording 1" (the format) and "seed N", and whose lines keep a whole
session in order: match 0 is the time before the first NewGame, each NewGame begins the next
match number, the steps of a match never go back, and Quit (the window closed) ends it. It
starts from the game's own settings (one human, one computer, free for all, the empty arena,
boundaries on); no match is set up before its first NewGame; a match that ends by a win, by a
tick that moves no cycle or by Stop keeps its number until the next NewGame; the run ends
after the last line (an open match ends with reason "session ended"). A damaged recording, or
one in another format, is refused with a message naming its line.

Trace (--trace), one JSON object a line, its keys in alphabetical order (shown here in the
order they are easiest to read):
  {"type":"match","match":1,"seed":"42","humans":1,"computers":1,"rule":"free",
   "level":"101","boundaries":true,"cycleCount":3}    at each setup; level "" is the empty
                                                      arena, "random", or "101" to "106";
                                                      the seed as text, all 64 bits of it
  {"type":"field","rows":[47 strings of 61 characters]}
                      the arena after setup: "." free, "1"-"8" trails, "X" mine,
                      "C" tail-clearing cell, "?" any other code
  {"type":"start","slot":1,"x":1,"y":17,"dir":3,"color":0,"human":true}
                      each placed cycle; dir 0 up, 1 down, 2 left, 3 right
  {"type":"key","tick":5,"key":"Up"}     any key of the key file or recording, menu entries too
  {"type":"move","tick":5,"slot":3,"dir":2,"x":57,"y":30,"result":"free"}
                      after each move: the heading moved in and the cell ended on; result
                      "free", "clear" or "crash"; a crash adds "cell" (the code it hit) and
                      "text" (the status line)
  {"type":"end","tick":40,"winner":1,"text":"Game Over: Player 1 has won this match!"}
                      or "winner":null with "reason": "no cycle moved", "max ticks",
                      "stopped", "replaced" or "session ended"; "text" is the status line at
                      the end
  {"type":"scores","points":[8 numbers],"kills":[8],"deaths":[8],"noScoresVisible":false}
                      after the last match

Without --trace: the seed, one line per match and the final tallies.

Check (--check): after each setup, each tick and each Stop the runner verifies that
  - each cycle in play stands on a cell holding its own slot number;
  - no cell holds N + 2 or more than N + 3 (N is the match's cycleCount);
  - a cycle that is out has left no trail: only the cell it crashed on may hold its number
    (after a crash into its own trail or the edge), and that cell keeps or lacks it until
    the match ends;
  - after Stop no cycle is in play and no cell holds a trail;
  - no player's points, kills or deaths ever fall.
The first violation ends the run: the report stops there (with --trace, after the moves of
the failing tick) and stderr names the seed, match, tick and invariant, e.g.
  zarvo-sim: check failed: seed 42, match 3, tick 17: cell (4, 9) holds 2, the trail of
  cycle 2, which is out (crashed at (5, 9))

Exit status: 0 after a run, 2 for a bad command line, key file or recording, 3 when --check finds a
broken invariant.
)";

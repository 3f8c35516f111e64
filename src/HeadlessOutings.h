#pragma once
// What the headless player does on a night out that does not end at once: it plays the fruit
// machine as a player would (a stake, a few spins, then leaves) and reads the bar-brawl report.
// Frames are stepped on a clock the player moves itself: nothing waits.
class SIM_SocialiseType;

namespace HeadlessOutings {
// How much more the player wants the evening than the friends would: now and then a flutter on
// the machine, or practice for the bowling team, beats anything they like (worth as much as every
// friend liking it fully).
float Fancy(SIM_SocialiseType* type, float friends);
// Plays an open machine to the end and closes the reports it leads to; false when nothing was
// open.
bool FinishOpenOuting();
// One spin on the open machine, frame by frame until the reels stand still; false when no spin
// could start (no machine, no spins left, too little cash).
bool PlayOneSpin();
}  // namespace HeadlessOutings

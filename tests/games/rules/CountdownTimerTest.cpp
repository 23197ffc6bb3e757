#include "games/rules/CountdownTimer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "games/rules/GameWindows.h"
#include "games/rules/SoundFiles.h"
#include "platform/ProgramState.h"
#include "processor/IniFile.h"

namespace qora {
namespace {

struct RecordedActions : CountdownActions {
    std::vector<std::string> events;
    void PlaySound(const std::string& fileName) override { events.push_back("play " + fileName); }
    void StopSound() override { events.push_back("silence"); }
    void MoveTimerFocus(TimerFocus target) override {
        constexpr const char* names[] = {"Workspace", "Start", "Stop", "Resume"};
        events.push_back(std::string("focus ") + names[static_cast<int>(target)]);
    }
    void SetRevertCountdown(std::int32_t seconds) override { events.push_back("revert " + std::to_string(seconds)); }
};

// One operation of a script and what the tab shows after it: the display,
// the progress bar as "position/maximum", then "on" while the one-second
// timer runs, "Stop" and "Resume" while those buttons are enabled; and the
// focus moves, sounds and revert countdowns the operation asked for.
struct Step {
    // "start", "tick", "stop", "resume", "reset"; "tick 164" ticks 164 times;
    // "zero start" sets a period of 0:00 and starts
    const char* operation;
    const char* shown;
    std::vector<std::string> events;
};

struct Script {
    const char* name;
    int periodMinutes, periodSeconds, warningMinutes, warningSeconds;
    std::vector<Step> steps;
    bool repeat = false;
    bool soundAvailable = true;
    bool warningEnabled = true;
};

void PrintTo(const Script& script, std::ostream* out) { *out << script.name; }

std::string Shown(const CountdownTimer& timer) {
    std::ostringstream text;
    text << '"' << timer.TimerDisplay() << "\" " << timer.TimerProgress().Position << '/'
         << timer.TimerProgress().Maximum;
    if (timer.TimerOn()) text << " on";
    if (timer.StopEnabled()) text << " Stop";
    if (timer.ResumeEnabled()) text << " Resume";
    return text.str();
}

void Perform(CountdownTimer& timer, const std::string& operation) {
    if (operation.starts_with("tick")) {
        const int count = operation == "tick" ? 1 : std::stoi(operation.substr(5));
        for (int i = 0; i < count; ++i) timer.TimerTick();
    } else if (operation == "start") {
        timer.TimerStart();
    } else if (operation == "zero start") {
        timer.PeriodMinChanged(0);
        timer.PeriodSecChanged(0);
        timer.TimerStart();
    } else if (operation == "stop") {
        timer.TimerStop();
    } else if (operation == "resume") {
        timer.TimerResume();
    } else if (operation == "reset") {
        timer.ResetTimerPeriod();
    } else {
        FAIL() << "no operation " << operation;
    }
}

class CountdownTimerTest : public testing::TestWithParam<Script> {
protected:
    void SetUp() override {
        ResetProgramState();
        PeriodSoundFileName = "tada.wav";
        WarningSoundFileName = "chimes.wav";
    }
    void TearDown() override { ResetProgramState(); }
};

TEST_P(CountdownTimerTest, FollowsItsScript) {
    const Script& script = GetParam();
    SoundAvailable = script.soundAvailable;
    RecordedActions actions;
    CountdownTimer timer(actions);
    EXPECT_EQ(Shown(timer), "\"  3:00\" 1/100");
    EXPECT_TRUE(actions.events.empty());
    timer.PeriodMinChanged(script.periodMinutes);
    timer.PeriodSecChanged(script.periodSeconds);
    timer.WarningMinChanged(script.warningMinutes);
    timer.WarningSecChanged(script.warningSeconds);
    timer.SetRepeatPeriodSound(script.repeat);
    timer.SetWarningEnabled(script.warningEnabled);
    for (const Step& step : script.steps) {
        actions.events.clear();
        Perform(timer, step.operation);
        EXPECT_EQ(Shown(timer), step.shown) << "after " << step.operation;
        EXPECT_EQ(actions.events, step.events) << "after " << step.operation;
    }
}

const std::vector<Script> scripts = {
    {"CountsDownFromThreeMinutesWithTheWarningAtFifteenSeconds",
     3,
     0,
     0,
     15,
     {
         {"start", "\"  3:00\" 0/180 on Stop", {"focus Stop"}},
         {"tick", "\"  2:59\" 1/180 on Stop", {}},
         {"tick", "\"  2:58\" 2/180 on Stop", {}},
         {"tick 162", "\"  0:16\" 164/180 on Stop", {}},
         {"tick", "\"  0:15\" 165/180 on Stop", {"play chimes.wav"}},
         {"tick 14", "\"  0:01\" 179/180 on Stop", {}},
         {"tick", "\"  0:00\" 180/180 Stop", {"play tada.wav", "focus Workspace"}},
         {"stop", "\"  0:00\" 180/180 Stop", {"focus Start", "silence"}},
     }},
    {"MinutesRollOverToFiftyNineSeconds",
     2,
     1,
     0,
     0,
     {
         {"start", "\"  2:01\" 0/121 on Stop", {"focus Stop"}},
         {"tick", "\"  2:00\" 1/121 on Stop", {}},
         {"tick", "\"  1:59\" 2/121 on Stop", {}},
     }},
    {"AnEmptyPeriodRunsOutAtStartWithAFullBar",
     0,
     0,
     0,
     15,
     {
         {"start", "\"  0:00\" 1/1", {"play tada.wav", "focus Workspace"}},
     }},
    {"AWarningEqualToThePeriodSoundsAtStart",
     0,
     20,
     0,
     20,
     {
         {"start", "\"  0:20\" 0/20 on Stop", {"play chimes.wav", "focus Stop"}},
         {"tick", "\"  0:19\" 1/20 on Stop", {}},
     }},
    {"TheRepeatedSoundPlaysEverySecondUntilStop",
     0,
     2,
     0,
     15,
     {
         {"start", "\"  0:02\" 0/2 on Stop", {"focus Stop"}},
         {"tick", "\"  0:01\" 1/2 on Stop", {}},
         {"tick", "\"  0:00\" 2/2 on Stop", {"play tada.wav", "focus Workspace"}},
         {"tick", "\"  0:00\" 2/2 on Stop", {"play tada.wav", "focus Workspace"}},
         {"tick", "\"  0:00\" 2/2 on Stop", {"play tada.wav", "focus Workspace"}},
         {"stop", "\"  0:00\" 2/2 Stop", {"focus Start", "silence"}},
         // Started again, the period runs out once more and repeats again.
         {"start", "\"  0:02\" 0/2 on Stop", {"focus Stop"}},
         {"tick 2", "\"  0:00\" 2/2 on Stop", {"play tada.wav", "focus Workspace"}},
         // A period of 0:00 started now sounds once: with Stop disabled
         // nothing could end a repetition.
         {"zero start", "\"  0:00\" 1/1", {"play tada.wav", "focus Workspace"}},
     },
     true},
    {"PauseAndResumeKeepTheTimeLeftAndStartBeginsAgain",
     0,
     5,
     0,
     0,
     {
         {"start", "\"  0:05\" 0/5 on Stop", {"focus Stop"}},
         {"tick 2", "\"  0:03\" 2/5 on Stop", {}},
         {"stop", "\"  0:03\" 2/5 Stop Resume", {"focus Resume"}},
         {"resume", "\"  0:03\" 2/5 on Stop", {"focus Start"}},
         {"tick", "\"  0:02\" 3/5 on Stop", {}},
         {"stop", "\"  0:02\" 3/5 Stop Resume", {"focus Resume"}},
         {"start", "\"  0:05\" 0/5 on Stop", {"focus Stop"}},
     }},
    {"WithoutSoundTheCountdownRunsSilently",
     0,
     2,
     0,
     1,
     {
         {"start", "\"  0:02\" 0/2 on Stop", {"focus Stop"}},
         {"tick 2", "\"  0:00\" 2/2 Stop", {"focus Workspace"}},
     },
     false,
     false},
    {"ADisabledWarningIsNotHeard",
     0,
     2,
     0,
     1,
     {
         {"start", "\"  0:02\" 0/2 on Stop", {"focus Stop"}},
         {"tick", "\"  0:01\" 1/2 on Stop", {}},
     },
     false,
     true,
     false},
    {"ResetStopsTheCountdownAndShowsThreeMinutes",
     0,
     3,
     0,
     15,
     {
         {"start", "\"  0:03\" 0/3 on Stop", {"focus Stop"}},
         {"tick", "\"  0:02\" 1/3 on Stop", {}},
         {"reset", "\"  3:00\" 2/3", {}},
         {"tick 3", "\"  2:57\" 1/3", {}},  // a step beyond the full bar starts it over
         {"start", "\"  3:00\" 0/180 on Stop", {"focus Stop"}},
     },
     true},
};

INSTANTIATE_TEST_SUITE_P(Scripts, CountdownTimerTest, testing::ValuesIn(scripts),
                         [](const testing::TestParamInfo<Script>& info) { return info.param.name; });

TEST(CountdownTimer, StartHoldsOffTheRevertCountdownUnlessAGameWindowIsOpen) {
    ResetProgramState();
    RecordedActions actions;
    CountdownTimer timer(actions);
    RevertTimerOn = true;
    RevertSeconds = 30;
    timer.PeriodMinChanged(1);
    timer.TimerStart();
    EXPECT_EQ(actions.events, (std::vector<std::string>{"revert 91", "focus Stop"}));
    for (bool* gameOpen : {&GridGameActive, &WordBuildingGameOpen}) {
        *gameOpen = true;
        actions.events.clear();
        timer.TimerStart();
        EXPECT_EQ(actions.events, std::vector<std::string>{"focus Stop"});
        *gameOpen = false;
    }
    ResetProgramState();
}

TEST(CountdownTimer, ResetBringsBackTheDefaults) {
    RecordedActions actions;
    CountdownTimer timer(actions);
    timer.PeriodMinChanged(MaxTimerMinutes + 5);
    timer.PeriodSecChanged(-1);
    EXPECT_EQ(timer.PeriodMinutes(), MaxTimerMinutes);
    EXPECT_EQ(timer.PeriodSeconds(), 0);
    timer.WarningMinChanged(2);
    timer.WarningSecChanged(59);
    timer.SetRepeatPeriodSound(true);
    timer.SetWarningEnabled(false);
    timer.ResetTimerPeriod();
    EXPECT_EQ(std::vector<int>({timer.PeriodMinutes(), timer.PeriodSeconds(), timer.WarningMinutes(),
                                timer.WarningSeconds(), timer.MinutesLeft(), timer.SecondsLeft()}),
              std::vector<int>({3, 0, 0, 15, 3, 0}));
    EXPECT_FALSE(timer.RepeatPeriodSound());
    EXPECT_TRUE(timer.WarningEnabled());
}

}  // namespace
}  // namespace qora

// varnel-soak: the invariant run for a long stretch, with its counts.
//
//     varnel-soak [EVENTS] [SEED]

#include <cstdio>
#include <cstdlib>

#include "invariant_run.h"

int main(int argc, char** argv) {
    const unsigned long long events = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10'000'000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    varnel::InvariantRun run(seed);
    const auto broken = run.run(events);
    const varnel::InvariantCounts& c = run.counts();
    std::printf(
        "seed %llu: %llu physical events in %llu steps; %llu events reached the application;\n"
        "flags-changed sent %llu, received %llu; held-key checks %llu; quiet checks %llu;\n"
        "emergency chords %llu; toggles %llu, option changes %llu, waits %llu, wakes %llu;\n"
        "tap-disabled notices %llu at once, %llu after a gap; Accessibility revoked %llu times,\n"
        "mode stopped by the lost permission %llu times; safe-mode stops %llu;\n"
        "frontmost switches %llu, focus moves %llu, files cut in Finder %llu, secure input flips "
        "%llu; keyboard switches %llu; clicks %llu, %llu checked\n",
        seed, (unsigned long long)c.physicalEvents, (unsigned long long)c.steps,
        (unsigned long long)c.eventsReceived, (unsigned long long)c.flagsChangedSent,
        (unsigned long long)c.flagsChangedReceived, (unsigned long long)c.heldKeyChecks,
        (unsigned long long)c.quietChecks, (unsigned long long)c.emergencyChords,
        (unsigned long long)c.toggles, (unsigned long long)c.optionChanges,
        (unsigned long long)c.waits, (unsigned long long)c.wakes, (unsigned long long)c.tapDisables,
        (unsigned long long)c.gaps, (unsigned long long)c.permissionRevocations,
        (unsigned long long)c.permissionStops, (unsigned long long)c.safeModeStops,
        (unsigned long long)c.frontmostSwitches, (unsigned long long)c.focusMoves,
        (unsigned long long)c.filesCut, (unsigned long long)c.secureInputFlips,
        (unsigned long long)c.keyboardSwitches, (unsigned long long)c.clicks,
        (unsigned long long)c.clickChecks);
    if (broken) {
        std::printf("BROKEN: %s\n", broken->c_str());
        return 1;
    }
    std::printf("every invariant held\n");
    return 0;
}

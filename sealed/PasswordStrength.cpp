#include "PasswordStrength.h"

#include <zxcvbn.h>

#include <cmath>
#include <cstdio>

namespace modVW {
namespace {

constexpr double kMinute = 60, kHour = 60 * kMinute, kDay = 24 * kHour, kYear = 365.25 * kDay;

// "about 1 day", "about 3 days": the count rounded.
vw::Text About(double value, vw::Template unit) {
    return vw::Text(unit, std::llround(value));
}

std::string Rate(double guessesPerSecond) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", guessesPerSecond);
    return text;
}

}  // namespace

PasswordAdvice AdviseOn(const std::string& password, const SealedCost& cost) {
    PasswordAdvice advice;
    // zxcvbn reads a C string: a password holding a zero byte is judged up to it,
    // which can only make it look weaker than it is.
    advice.Bits = password.empty() ? 0 : ZxcvbnMatch(password.c_str(), nullptr, nullptr);
    const double work = double(cost.Passes) * double(cost.MemoryBytes);
    const double reference = double(kNewFileCost.Passes) * double(kNewFileCost.MemoryBytes);
    advice.GuessesPerSecond = kGuessesPerSecondAtNewFileCost * reference / work;
    advice.Seconds = std::exp2(advice.Bits) / 2 / advice.GuessesPerSecond;
    advice.Weak = advice.Seconds < kWeakBelowYears * kYear;
    return advice;
}

vw::Text DurationText(double seconds) {
    if (seconds < kMinute) return VW_TEXT("Strength", "less than a minute");
    if (seconds < kHour)
        return About(seconds / kMinute,
                     VW_TEXT_N("Strength", "about %n minutes", "about %n minute"));
    if (seconds < kDay)
        return About(seconds / kHour, VW_TEXT_N("Strength", "about %n hours", "about %n hour"));
    if (seconds < kYear)
        return About(seconds / kDay, VW_TEXT_N("Strength", "about %n days", "about %n day"));
    const double years = seconds / kYear;
    if (years < 1e3) return About(years, VW_TEXT_N("Strength", "about %n years", "about %n year"));
    if (years < 1e6)
        return About(years / 1e3,
                     VW_TEXT_N("Strength", "about %n thousand years", "about %n thousand year"));
    if (years < 1e9)
        return About(years / 1e6,
                     VW_TEXT_N("Strength", "about %n million years", "about %n million year"));
    return VW_TEXT("Strength", "more than a billion years");
}

vw::Text GuessingText(const PasswordAdvice& advice) {
    return vw::Text(
        VW_TEXT("Strength", "would take %1 to guess at %2 guesses a second per processor"),
        {DurationText(advice.Seconds), Rate(advice.GuessesPerSecond)});
}

vw::Text WeakPasswordText(const PasswordAdvice& advice) {
    return vw::Text(VW_TEXT("Strength",
                            "This password is weak: it %1, and an attacker has many "
                            "processors. A longer password, or a generated "
                            "passphrase of several words, is much harder to guess."),
                    {GuessingText(advice)});
}

}  // namespace modVW

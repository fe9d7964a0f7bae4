#pragma once
// How long a password for a sealed file would take to guess, from zxcvbn's
// estimate of the guesses it needs (its C implementation, with its own
// dictionaries) and the cost of one guess: a key derivation at the file's cost.
// No scoring of our own: the estimate is zxcvbn's, the rest is arithmetic.

#include <string>

#include "Text.h"

#include "SealedKey.h"

namespace modVW {

struct PasswordAdvice {
    double Bits = 0;              // zxcvbn's entropy: about 2^Bits guesses find it
    double GuessesPerSecond = 0;  // per processor, at the cost it is judged for
    double Seconds = 0;           // on average (half the guesses), one processor
    bool Weak = false;            // see kWeakBelowYears
};

// What one processor guesses per second at the new-file cost (3 passes,
// 256 MiB): a fast core runs one such Argon2id in about 0.1 s. A cheaper cost
// allows proportionally more guesses.
constexpr double kGuessesPerSecondAtNewFileCost = 10;

// A password a thousand processors would guess within ten years on average is weak.
constexpr double kWeakBelowYears = 10'000;

PasswordAdvice AdviseOn(const std::string& password, const SealedCost& cost);

// "about 3 years", "less than a minute", "more than a billion years".
vw::Text DurationText(double seconds);

// The plain-language line: "would take about N years to guess at 10 guesses a
// second per processor".
vw::Text GuessingText(const PasswordAdvice& advice);

// The warning for a weak password, asked before it is used (the desktop
// program) or told (vw3).
vw::Text WeakPasswordText(const PasswordAdvice& advice);

}  // namespace modVW

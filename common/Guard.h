#pragma once
// Runs a step of a procedure and turns any failure into the error report, the
// way every user-facing procedure ends on a failure.

#include <new>
#include <stdexcept>

#include "Error.h"
#include "Interaction.h"

namespace modVW {

// Runs `step`; on failure shows the error report and returns false. A cancelled
// step returns false without a word.
template <class Step>
bool Guarded(Interaction& ui, Step&& step) {
    try {
        step();
        return true;
    } catch (const WorkCancelled&) {
        return false;
    } catch (const vw::Error& e) {
        ShowErrorReport(ui, e.Number(), e.Message());
    } catch (const std::bad_alloc&) {
        ShowErrorReport(ui, vw::ErrorNumber::OutOfMemory, VW_TEXT("Errors", "Out of memory"));
    } catch (const std::length_error&) {
        ShowErrorReport(ui, vw::ErrorNumber::OutOfMemory, VW_TEXT("Errors", "Out of memory"));
    } catch (const std::exception& e) {
        ShowErrorReport(ui, vw::ErrorNumber::PathFileAccess, std::string(e.what()));
    }
    return false;
}

}  // namespace modVW

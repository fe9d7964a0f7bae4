#pragma once
// Which substitution kernel runs. The fastest one the processor can run is
// picked; VAULTWISE_KERNEL=portable|avx2|vbmi|neon asks for another (benchmarks
// and tests compare them on one machine). A kernel the processor lacks is never
// picked: asking for it gives the best runnable one before it in Kernel's order.

#include <optional>
#include <string>
#include <vector>

namespace modVW {

// From slowest to fastest on each architecture; every processor runs Portable,
// x86-64 ones may run Avx2 and Vbmi, ARM64 ones always run Neon.
enum class Kernel { Portable, Avx2, Vbmi, Neon };

const char* KernelName(Kernel kernel);
std::optional<Kernel> KernelFromName(const std::string& name);

// The kernels this processor can run, slowest first.
std::vector<Kernel> RunnableKernels();

// `wanted` when the processor runs it, otherwise the fastest runnable one below it.
Kernel RunnableAtMost(Kernel wanted);

// The kernel VAULTWISE_KERNEL names (see RunnableAtMost), otherwise the fastest.
Kernel ChosenKernel();

}  // namespace modVW

#pragma once
// Which substitution kernel runs. The fastest one the processor can run is
// picked; VAULTWISE_KERNEL=portable|avx2|vbmi asks for another (benchmarks and
// tests compare them on one machine). A kernel the processor lacks is never
// picked: asking for it gives the best one below it.

#include <optional>
#include <string>
#include <vector>

namespace modVW {

// From slowest to fastest; every processor runs Portable.
enum class Kernel { Portable, Avx2, Vbmi };

const char* KernelName(Kernel kernel);
std::optional<Kernel> KernelFromName(const std::string& name);

// The kernels this processor can run, slowest first.
std::vector<Kernel> RunnableKernels();

// `wanted` when the processor runs it, otherwise the fastest runnable one below it.
Kernel RunnableAtMost(Kernel wanted);

// The kernel VAULTWISE_KERNEL names (when runnable), otherwise the fastest.
Kernel ChosenKernel();

}  // namespace modVW

#include "KernelChoice.h"

#include <cstdlib>

namespace modVW {
namespace {

constexpr Kernel kAll[] = {Kernel::Portable, Kernel::Avx2, Kernel::Vbmi, Kernel::Neon};

// The compiler's checks also ask the operating system whether it saves the wider
// registers on a task switch, so a kernel is never picked where it would fault.
bool Runs(Kernel kernel) {
#if defined(__x86_64__)
    __builtin_cpu_init();
    switch (kernel) {
        case Kernel::Portable:
            return true;
        case Kernel::Avx2:
            return __builtin_cpu_supports("avx2");
        case Kernel::Vbmi:
            return __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw");
        default:
            return false;
    }
#elif defined(__aarch64__)
    return kernel == Kernel::Portable || kernel == Kernel::Neon;
#else
    return kernel == Kernel::Portable;
#endif
}

}  // namespace

const char* KernelName(Kernel kernel) {
    switch (kernel) {
        case Kernel::Portable:
            return "portable";
        case Kernel::Avx2:
            return "avx2";
        case Kernel::Vbmi:
            return "vbmi";
        case Kernel::Neon:
            return "neon";
    }
    return "?";
}

std::optional<Kernel> KernelFromName(const std::string& name) {
    for (Kernel kernel : kAll)
        if (name == KernelName(kernel)) return kernel;
    return std::nullopt;
}

std::vector<Kernel> RunnableKernels() {
    std::vector<Kernel> kernels;
    for (Kernel kernel : kAll)
        if (Runs(kernel)) kernels.push_back(kernel);
    return kernels;
}

Kernel RunnableAtMost(Kernel wanted) {
    Kernel best = Kernel::Portable;
    for (Kernel kernel : RunnableKernels())
        if (kernel <= wanted) best = kernel;
    return best;
}

Kernel ChosenKernel() {
    const char* asked = std::getenv("VAULTWISE_KERNEL");
    const auto kernel = asked ? KernelFromName(asked) : std::nullopt;
    return kernel ? RunnableAtMost(*kernel) : RunnableKernels().back();
}

}  // namespace modVW

#include "finance/company_texts.h"

namespace cw {

std::string fansText(i32 fans) {
    if (fans < 0) return {};
    if (fans <= 5) return "No devoted fans";
    if (fans <= 10) return "Very Small number, but devoted";
    if (fans <= 30) return "Small Number. A few very devoted";
    if (fans <= 50) return "Fair. Some very devoted";
    if (fans <= 75) return "Large number of fans";
    if (fans <= 95) return "Huge number of fans";
    if (fans <= 200) return "Huge number. Regarded as one of the best game of all time";
    return {};
}

}  // namespace cw

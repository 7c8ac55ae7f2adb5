// A leaders page template (.lea) read for the sample league, written and read again.
#include "fuzz_support.h"
#include "reports/leaders_page.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::writeScratchFile("fuzz.lea", fuzz::bytesOf(data, size));
    fuzz::refusalsOnly(
        [&] {
            const auto entries = reports::readLeadersTemplate(file, fuzz::contextLeague());
            const std::string text = reports::leadersTemplateText(entries);
            const auto again =
                fuzz::writeScratchFile("again.lea", {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
            if (reports::readLeadersTemplate(again, fuzz::contextLeague()) != entries) {
                fuzz::finding("a .lea template does not read back to its entries");
            }
        },
        file);
    return 0;
}

// What "miv3x-curvegen --help" prints; its manual page is made from the same text.
#pragma once

namespace shell {

const char* Programmhilfe();

}  // namespace shell

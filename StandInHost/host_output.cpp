#include "host_output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace standin {

HostOutput::HostOutput(bool raw) {
  // Exact bytes: no "\n" to "\r\n" translation on the way out.
  _setmode(_fileno(stdout), _O_BINARY);
  mode_ = raw ? ControlBytes::Raw
              : (_isatty(_fileno(stdout)) ? ControlBytes::Bold : ControlBytes::Drop);
}

void HostOutput::Write(const std::string& text) const {
  const std::string rendered = RenderControlBytes(text, mode_);
  std::fwrite(rendered.data(), 1, rendered.size(), stdout);
  std::fflush(stdout);
}

}  // namespace standin

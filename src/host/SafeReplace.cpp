#include "host/SafeReplace.h"

#include <algorithm>

namespace morvane {

bool replaceFile(FileSteps& files, const std::string& path, const std::string& bytes,
                 const std::string& suffix) {
  const std::string temporary = path + suffix;
  if (!files.create(temporary))
    return false;
  bool ok = true;
  constexpr std::size_t kChunk = 1 << 20;
  for (std::size_t done = 0; ok && done < bytes.size(); done += kChunk) {
    ok = files.write(bytes.data() + done, std::min(kChunk, bytes.size() - done));
  }
  ok = files.close() && ok;
  ok = ok && files.moveOver(temporary, path);
  if (!ok)
    files.remove(temporary);
  return ok;
}

}  // namespace morvane

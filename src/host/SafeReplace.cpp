#include "host/SafeReplace.h"

#include <algorithm>

#include "text/Letters.h"

namespace morvane {

namespace {

// Enough tries to find a free name even where the name is one character long.
constexpr unsigned kAttempts = 64;

// A free temporary name beside `path`, other than `taken`, whose file `claim` then creates or
// renames into place; "" when none could be claimed. A claim that fails for another reason than
// the name being taken is not retried.
template <typename Claim>
std::string claimName(FileSteps& files, const std::string& path, const std::string& taken,
                      unsigned seed, Claim claim) {
  for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
    const std::string name = temporaryNameBeside(path, seed, attempt);
    if (name.empty())
      return "";
    // File names compare without regard to case on every file system the program writes to.
    if (equalIgnoringCase(name, path) || equalIgnoringCase(name, taken))
      continue;
    if (claim(name))
      return name;
    if (!files.exists(name))
      return "";
  }
  return "";
}

bool writeAll(FileSteps& files, const std::string& bytes) {
  bool ok = true;
  constexpr std::size_t kChunk = 1 << 20;
  for (std::size_t done = 0; ok && done < bytes.size(); done += kChunk) {
    ok = files.write(bytes.data() + done, std::min(kChunk, bytes.size() - done));
  }
  return files.close() && ok;
}

// Without a one-step replace. At each step the old content is still at `path` or at the aside
// name, and a failure puts it back at `path` before anything is removed.
bool swapIn(FileSteps& files, const std::string& temporary, const std::string& path,
            unsigned seed) {
  if (!files.exists(path))
    return files.rename(temporary, path);
  const std::string aside = claimName(files, path, temporary, seed, [&](const std::string& name) {
    return files.rename(path, name);
  });
  if (aside.empty())
    return false;
  if (!files.rename(temporary, path)) {
    // The old file goes back; should even that fail it stays under the aside name, never lost.
    files.rename(aside, path);
    return false;
  }
  files.remove(aside);  // the new content is in place whether or not this works
  return true;
}

}  // namespace

std::string temporaryNameBeside(const std::string& path, unsigned seed, unsigned attempt) {
  const std::size_t slash = path.find_last_of("\\/:");
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t room = std::min<std::size_t>(path.size() - start, 8);
  if (room == 0)
    return "";
  // "~" and base-36 digits of seed + attempt: the last `room` characters of at most 8.
  std::string name;
  for (unsigned long value = static_cast<unsigned long>(seed) + attempt; value; value /= 36)
    name.insert(name.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[value % 36]);
  name = "~" + (name.empty() ? std::string("0") : name);
  if (name.size() > room)
    name.erase(0, name.size() - room);
  return path.substr(0, start) + name;
}

bool replaceFile(FileSteps& files, const std::string& path, const std::string& bytes,
                 unsigned seed) {
  // A read-only file is the user's way of saying "keep this"; not every file system refuses to
  // replace one, so ask first.
  if (files.readOnly(path))
    return false;
  const std::string temporary =
      claimName(files, path, "", seed, [&](const std::string& name) { return files.create(name); });
  if (temporary.empty())
    return false;
  bool ok = writeAll(files, bytes);
  if (ok) {
    ok = files.replacesInOneStep() ? files.replace(temporary, path)
                                   : swapIn(files, temporary, path, seed);
  }
  if (!ok)
    files.remove(temporary);
  return ok;
}

}  // namespace morvane

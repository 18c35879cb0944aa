#include "icons/icon_location.h"

#include "base/convert.h"
#include "base/text.h"
#include "os/file_system.h"
#include "page/page_context.h"

namespace icons {
namespace {

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\"");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\"");
  return std::string(text.substr(first, last - first + 1));
}

void ReplaceNoCase(std::string& text, const std::string& variable, const std::string& value) {
  const std::string upper = base::UpperCase(text);
  const size_t at = upper.find(variable);
  if (at != std::string::npos) text.replace(at, variable.size(), value);
}

bool Exists(page::PageContext& form, const std::string& path) {
  return form.services.files.GetAttributes(path).has_value();
}

}  // namespace

IconLocation ParseIconLocation(std::string_view location) {
  IconLocation parsed;
  const size_t comma = location.rfind(',');
  int32_t index = 0;
  if (comma != std::string_view::npos &&
      base::TryStrToInt(Trimmed(location.substr(comma + 1)), index)) {
    parsed.file = Trimmed(location.substr(0, comma));
    parsed.index = index;
  } else {
    parsed.file = Trimmed(location);
  }
  return parsed;
}

std::string IconLocationText(const std::string& file, int index) {
  return file + "," + base::IntToStr(index);
}

std::string ResolveIconFile(page::PageContext& form, const std::string& file) {
  std::string path = file;
  ReplaceNoCase(path, "%SYSTEMROOT%", form.WindowsDir);
  ReplaceNoCase(path, "%WINDIR%", form.WindowsDir);
  if (path.find('\\') != std::string::npos || path.find(':') != std::string::npos) return path;
  for (const std::string& folder : {form.SystemDir, form.WindowsDir + "\\"}) {
    if (!folder.empty() && Exists(form, folder + path)) return folder + path;
  }
  return path;
}

ui::Picture IconPicture(page::PageContext& form, std::string_view location) {
  const IconLocation parsed = ParseIconLocation(location);
  const std::string path = ResolveIconFile(form, parsed.file);
  const int count = path.empty() ? 0 : form.services.shell.IconCount(path);
  // A negative index names an icon by its resource number, which the count cannot check.
  if (count > 0 && parsed.index < count) return ui::Picture::Icon(path, parsed.index);
  return ui::Picture::Icon(form.SystemDir + "shell32.dll", 0);
}

void ExtractTheIcon(page::PageContext& form, std::string_view location) {
  form.SharedIcon = IconPicture(form, location);
}

}  // namespace icons

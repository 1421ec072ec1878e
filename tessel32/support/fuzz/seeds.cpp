// Writes the fuzzer's seed corpus: sets like the ones the main window stores, built with the
// writer from readable values.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tessel32/property_set/writer.h"

namespace {

using tessel32::Picture;
using tessel32::PropertySetWriter;

void Save(const std::string& dir, const std::string& name, const tessel32::WriteResult& set) {
    const std::string path = dir + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!set.ok() || !f || std::fwrite(set.bytes.data(), 1, set.bytes.size(), f) != set.bytes.size() ||
        std::fclose(f) != 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
}

std::u16string Numbered(const std::u16string& key, int i) {
    const std::string digits = std::to_string(i);
    return key + std::u16string(digits.begin(), digits.end());
}

// A tiny bitmap file: the header words of a 2 x 1 pixel 24-bit image.
Picture SmallBitmap() {
    const unsigned char file[] = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0,
                                  1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0};
    return Picture{{std::begin(file), std::end(file)}};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    std::filesystem::create_directories(dir);

    Save(dir, "extents_only", PropertySetWriter(6350, 609).Finish());

    // A toolbar of ten buttons with tooltips, in the order the control writes its values.
    const char16_t* tips[] = {u"Open Encoded File", u"Save Encoded File", u"Cut", u"Copy", u"Paste",
                              u"Clear", u"Print", u"E-mail", u"", u"Options"};
    PropertySetWriter toolbar(6350, 609);
    toolbar.WriteInt16(u"ToolBarSize", 16, 16);
    toolbar.WriteInt16(u"ButnCount", 9, 0);
    toolbar.WriteBoolean(u"CheckGroup", false, false);
    for (int i = 0; i <= 9; ++i) {
        toolbar.WriteString(Numbered(u"Caption", i), u"", u"");
        toolbar.WriteInt16(Numbered(u"ImageNumber", i), static_cast<std::int16_t>(i), 0);
        toolbar.WriteString(Numbered(u"ToolTips", i), tips[i], u"");
        toolbar.WriteInt32(Numbered(u"BtnStyle", i), i == 8 ? 2 : 1, 0);
        toolbar.WriteBoolean(Numbered(u"BtnEnabled", i), i == 9, false);
        toolbar.WriteBoolean(Numbered(u"CheckGroup", i), false, false);
    }
    toolbar.WriteBoolean(u"WithText", false, false);
    toolbar.WritePicture(u"Picture", SmallBitmap());
    toolbar.WriteInt32(u"MaskColor", 16776960, 0);
    Save(dir, "toolbar", toolbar.Finish());

    // Large buttons with captions, list style and wrapping.
    PropertySetWriter large(9000, 1402);
    large.WriteInt16(u"ToolBarSize", 32, 16);
    large.WriteInt16(u"ButnCount", 1, 0);
    large.WriteString(u"Caption0", u"Encode", u"");
    large.WriteString(u"Caption1", u"D\u00E9code", u"");
    large.WriteBoolean(u"WithText", true, false);
    large.WriteBoolean(u"Style", true, false);
    large.WriteInt16(u"ButtonWidth", 64, 0);
    large.WriteBoolean(u"Wrappable", true, false);
    Save(dir, "large_with_text", large.Finish());
    return 0;
}

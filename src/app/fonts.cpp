#include "app/fonts.hpp"

#include <fontconfig/fontconfig.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "app/pictures.hpp"

namespace velmora::app {

namespace {

const char* const kMinchoFaces[] = {"IPAPMincho", "IPAMincho", "Noto Serif CJK JP", "IPAPGothic",
                                    "Noto Sans CJK JP"};

template <typename T, void (*Free)(T*)>
struct Freer {
  void operator()(T* p) const {
    if (p) Free(p);
  }
};
using Pattern = std::unique_ptr<FcPattern, Freer<FcPattern, FcPatternDestroy>>;
using FontSet = std::unique_ptr<FcFontSet, Freer<FcFontSet, FcFontSetDestroy>>;
using ObjectSet = std::unique_ptr<FcObjectSet, Freer<FcObjectSet, FcObjectSetDestroy>>;

// Every family name of every installed face, once listed.
QStringList installed_families() {
  const Pattern all(FcPatternCreate());
  const ObjectSet family(FcObjectSetBuild(FC_FAMILY, nullptr));
  const FontSet fonts(FcFontList(nullptr, all.get(), family.get()));
  QStringList names;
  for (int i = 0; fonts && i < fonts->nfont; ++i) {
    FcChar8* name = nullptr;
    for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &name) == FcResultMatch; ++n)
      names << QString::fromUtf8(reinterpret_cast<const char*>(name));
  }
  return names;
}

// The family of the face fontconfig would print `lang` with, when that face
// really covers the language.
QString face_for(const char* lang) {
  const Pattern want(FcPatternCreate());
  FcPatternAddString(want.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("serif"));
  FcPatternAddString(want.get(), FC_LANG, reinterpret_cast<const FcChar8*>(lang));
  FcConfigSubstitute(nullptr, want.get(), FcMatchPattern);
  FcDefaultSubstitute(want.get());
  FcResult result = FcResultNoMatch;
  const Pattern found(FcFontMatch(nullptr, want.get(), &result));
  FcLangSet* langs = nullptr;
  FcChar8* family = nullptr;
  if (!found || FcPatternGetLangSet(found.get(), FC_LANG, 0, &langs) != FcResultMatch ||
      FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>(lang)) == FcLangDifferentLang ||
      FcPatternGetString(found.get(), FC_FAMILY, 0, &family) != FcResultMatch)
    return {};
  return QString::fromUtf8(reinterpret_cast<const char*>(family));
}

WindowFaces find_faces() {
  WindowFaces faces;
  for (const char* name : kMinchoFaces) faces.families << QString::fromUtf8(name);
  if (!FcInit()) return faces;
  const QStringList installed = installed_families();
  for (const QString& name : faces.families) {
    if (installed.contains(name, Qt::CaseInsensitive)) {
      faces.japanese = true;
      return faces;
    }
  }
  for (const char* lang : {"ja", "zh-cn", "zh-tw", "zh-hk", "ko"}) {
    const QString face = face_for(lang);
    if (!face.isEmpty()) {
      faces.families << face;
      faces.japanese = true;
      return faces;
    }
  }
  return faces;
}

}  // namespace

const WindowFaces& window_faces() {
  static const WindowFaces faces = find_faces();
  return faces;
}

std::future<void> prepare_window_font() {
  return std::async(std::launch::async, [] {
    QImage image(8, 8, QImage::Format_RGB32);
    QPainter p(&image);
    p.setFont(window_font(20));
    p.drawText(0, 8, QStringLiteral("歩香桂銀金角飛王玉と杏圭全馬龍一二三四五六七八九123456789:Velmora"));
  });
}

QString missing_japanese_font_notice() {
  return QStringLiteral(
      "No font with Japanese characters is installed, so the game's text shows as boxes. "
      "Install one, for example the Debian package fonts-ipafont-mincho.");
}

}  // namespace velmora::app

// Picture files decoded into GDI objects: bitmaps, icons and metafiles.
#pragma once
#include <windows.h>

#include <string>

#include "base/Handle.h"
#include "picture/FileKind.h"

namespace sorvane {

// A loaded picture; exactly the handle of its format is set (a bitmap's may be
// none: an empty bitmap file is an empty bitmap).
struct TLoadedPicture {
  TPictureFormat Format = TPictureFormat::Unknown;
  TGdiObject<HBITMAP> Bitmap;
  TIconHandle Icon;
  TMetafileHandle Metafile;  // wmf files are converted to enhanced ones
  int Width = 0, Height = 0;
};

// Loads the file by its extension (bmp, ico, wmf, emf). Raises EError with
// the run-time's texts when the extension, the file or its contents are not
// usable; every header field is checked against the file before it is used.
TLoadedPicture LoadPictureFile(const std::string& path);

}  // namespace sorvane

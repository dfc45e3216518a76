#include "client/controls/gdiplus_image.h"

ImagePtr LoadImageFile(const std::wstring &path) {
  ImagePtr image(new Gdiplus::Image(path.c_str()));
  if (image->GetLastStatus() != Gdiplus::Ok || image->GetWidth() == 0)
    return nullptr;
  return image;
}

bool IsBitmapImage(Gdiplus::Image *image) {
  return image && image->GetType() == Gdiplus::ImageTypeBitmap;
}

SIZE ImageSize(Gdiplus::Image &image) {
  return {static_cast<LONG>(image.GetWidth()), static_cast<LONG>(image.GetHeight())};
}

void DrawImage(HDC dc, Gdiplus::Image &image, int x, int y, int width, int height) {
  Gdiplus::Graphics graphics(dc);
  graphics.DrawImage(&image, x, y, width, height);
}

void DrawImage(HDC dc, Gdiplus::Image &image, int x, int y) {
  SIZE size = ImageSize(image);
  DrawImage(dc, image, x, y, size.cx, size.cy);
}

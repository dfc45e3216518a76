// GDI+ images as owned objects: loading from a file and drawing into a
// device context at an explicit size (never at the image's own resolution,
// which would scale by its DPI).
#pragma once
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <string>

using ImagePtr = std::unique_ptr<Gdiplus::Image>;

// The image in the file, or null when the file is missing or unreadable.
ImagePtr LoadImageFile(const std::wstring &path);
// True for raster images (GIF, PNG, BMP, JPEG and the like).
bool IsBitmapImage(Gdiplus::Image *image);
SIZE ImageSize(Gdiplus::Image &image);
void DrawImage(HDC dc, Gdiplus::Image &image, int x, int y, int width, int height);
// Draws the image in its own size with its top-left corner at (x, y).
void DrawImage(HDC dc, Gdiplus::Image &image, int x, int y);

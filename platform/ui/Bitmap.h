// A bitmap: a colour image of a size, or a monochrome one (bits 0 and 1,
// which take the text and background colours of the context it is drawn
// into). Bitmaps come from CreateCompatibleBitmap (a canvas for a memory
// context), CreateBitmap (monochrome bits, rows padded to 16 bits, for
// pattern brushes) or LoadBitmap (a resource id of the resource tables).
// Threads: see CGdiObject.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/GdiObject.h"

class CDC;
class QImage;

struct BITMAP {
  LONG bmType = 0;
  LONG bmWidth = 0;
  LONG bmHeight = 0;
  LONG bmWidthBytes = 0;
  WORD bmPlanes = 1;
  WORD bmBitsPixel = 32;
};

class CBitmap : public CGdiObject {
 public:
  CBitmap();
  ~CBitmap() override;

  // A colour bitmap of the size, filled black. A 1-bit-per-pixel request
  // (planes 1, bitsPerPixel 1) makes a monochrome bitmap from the bits:
  // each row holds (width + 15) / 16 * 2 bytes, the highest bit leftmost.
  BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
  // A colour bitmap of the size (the context only tells the kind: always colour).
  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
  // The bitmap resource of the id from the resource tables; FALSE when unknown.
  BOOL LoadBitmap(UINT resourceId);
  int GetBitmap(BITMAP* info) const;
  CSize GetBitmapDimension() const;
  bool IsMonochrome() const { return m_bMonochrome; }
  operator HBITMAP() { return IsCreated() ? this : nullptr; }

  // ---- Platform only -----------------------------------------------------------
  // The pixels (RGB32; a monochrome bitmap holds black for 0 and white for 1).
  QImage* GetImage() const { return m_image.get(); }
  // Takes an image as the bitmap's content.
  void SetImage(const QImage& image, bool monochrome = false);

 private:
  void Reset() override;
  std::unique_ptr<QImage> m_image;
  bool m_bMonochrome = false;
};

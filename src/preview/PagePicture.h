// The page picture box: shows one page picture drawn from its vector form, scaled from a
// source rectangle to the box's whole size, on a white ground. Sizes are in twips
// (15 twips to a pixel); page pictures are in points (20 twips to a point), as the word
// processor draws them, so a US Letter page is 12240 x 15840 twips.
#pragma once

#include <QPicture>
#include <QWidget>

#include "base/Twips.h"

namespace preview {

inline constexpr int kTwipsPerPixel = base::kTwipsPerPixel;

inline constexpr int kTwipsPerPictureUnit = 20;

inline int pixelsFromTwips(double twips) { return base::twipsToPixels(twips); }

class PagePicture : public QWidget {
  Q_OBJECT
 public:
  explicit PagePicture(QWidget* parent = nullptr);

  // The picture on show, or none (a null picture).
  void setPicture(const QPicture& picture);
  const QPicture& picture() const { return picture_; }

  // The picture's own size in twips (0 x 0 for none).
  long pictureWidthTwips() const;
  long pictureHeightTwips() const;

  // Draws the source rectangle (0, 0, sourceWidth, sourceHeight) of `source`, in twips,
  // over the whole box; the box is resized to targetWidth x targetHeight twips.
  void drawScaled(const QPicture& source, long sourceWidth, long sourceHeight, long targetWidth,
                  long targetHeight);

  // Outer size in twips as last set.
  long widthTwips() const { return widthTwips_; }
  long heightTwips() const { return heightTwips_; }
  void resizeTwips(long width, long height);

  // Position inside the view, in twips (0 or negative while the picture is larger).
  double leftTwips() const { return left_; }
  double topTwips() const { return top_; }
  void moveTwips(double left, double top);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPicture picture_;
  long sourceWidth_ = 0, sourceHeight_ = 0;
  long widthTwips_ = 0, heightTwips_ = 0;
  double left_ = 0, top_ = 0;
};

}  // namespace preview

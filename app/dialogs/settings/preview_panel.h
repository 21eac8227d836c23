#pragma once

#include <QFrame>
#include <QPixmap>

// Shows a picture that the user can drag about with the mouse. A picture narrower or lower than the
// viewing area starts centred on that axis; otherwise it starts one pixel in from the corner. With no
// picture the panel shows a caption instead.
class PreviewPanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kViewWidth = 282;
    static constexpr int kViewHeight = 162;

    explicit PreviewPanel(QWidget *parent = nullptr);

    void showPicture(const QPixmap &picture);
    // Clears the picture and shows the caption.
    void showCaption(const QString &caption);

    const QPixmap &picture() const { return picture_; }
    const QString &caption() const { return caption_; }
    QPoint pictureOffset() const { return offset_; }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    QPixmap picture_;
    QString caption_;
    QPoint offset_{1, 1};
    bool dragging_ = false;
    QPoint grab_;
};

#pragma once
// The picture shown over the frame's windows for the first seconds ("Panel1"), stretched
// inside a narrow border, with the logo and the version at the lower left.
#include <QPixmap>
#include <QWidget>

class QLabel;

namespace vdl {

class StartPicture : public QWidget {
public:
    explicit StartPicture(QWidget* parent);

    QLabel* version = nullptr; // "Label1", the version text "3.1"

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QPixmap stretched(const QSize& size) const;

    static constexpr int Border = 6;
    QPixmap m_picture;
    QLabel* m_logo = nullptr;
};

} // namespace vdl

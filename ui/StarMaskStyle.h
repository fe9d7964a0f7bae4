#pragma once
// A style for password boxes that masks every character with "*", whatever mask the
// desktop's own style would draw.

#include <QProxyStyle>

namespace vwui {

class StarMaskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

}  // namespace vwui

#pragma once

#include "ConfFile.h"
#include "platform/Form.h"

#include <array>

class Shape;

// The colour settings window "環境設定": four swatches on the page "週間計画" show the four colours of the weekly
// grid; a left click on a swatch chooses its colour in the colour dialog, which takes effect at once.
class TF_Conf : public Form
{
    Q_OBJECT
public:
    TF_Conf();

    void ShapeMouseDown(int row, Qt::MouseButton button); // Shape1MouseDown … Shape4MouseDown

protected:
    void FormActivate() override;

private:
    std::array<Shape *, 4> m_swatches{};
};

extern TF_Conf *F_Conf;

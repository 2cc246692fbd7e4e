#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

#include "analysis/sigma_band.h"
#include "ui/context.h"

class QLabel;
class QListWidget;

namespace vornexa {

class ParametersDialog;

// The sweep drawn as strips (development) or a curve (longwall) over the
// azimuth; a click proposes the azimuth under the mouse.
class LayoutFinderChart : public QWidget {
    Q_OBJECT

  public:
    explicit LayoutFinderChart(QWidget* parent = nullptr);

    void SetDevelopment(std::vector<DevelopmentSweepRow> rows, float current);
    void SetLongwall(std::vector<LongwallSweepRow> rows, float current);
    // The whole-degree azimuth under x, in the chart's own coordinates.
    float AzimuthAt(int x) const;
    int XOf(float azimuth) const;
    QRect PlotArea() const;
    QSize sizeHint() const override;

  signals:
    void azimuthChosen(float degrees);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void DrawStrips(QPainter& p) const;
    void DrawCurve(QPainter& p) const;
    void DrawAxis(QPainter& p) const;

    bool development_ = true;
    bool workSaved_ = false;
    float span_ = 180;
    float current_ = 0;
    std::vector<DevelopmentSweepRow> devRows_;
    std::vector<LongwallSweepRow> longRows_;
};

// Which entries (or headgate) azimuths stay good for every SigmaH of the band.
// Follows the parameters dialog while one is open, else shows the project.
class LayoutFinderWindow : public QWidget {
    Q_OBJECT

  public:
    // openDialog opens the parameters dialog when a choice needs one.
    LayoutFinderWindow(UiContext& context, std::function<ParametersDialog*()> openDialog,
                       QWidget* parent = nullptr);

    void Follow(ParametersDialog* dialog);
    void Recompute();
    void SetAzimuth(float degrees);

    LayoutFinderChart* chart() const { return chart_; }
    QListWidget* intervals() const { return list_; }

    static constexpr double kStep = 0.5;

  private:
    void FillDevelopment(const Parms& parms);
    void FillLongwall(const Parms& parms);

    AppState& state_;
    std::function<ParametersDialog*()> openDialog_;
    QPointer<ParametersDialog> dialog_;
    bool development_ = true;
    bool workSaved_ = false;
    LayoutFinderChart* chart_ = nullptr;
    QLabel* caption_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace vornexa

// "Insert shape…" of the curve window: the kind, its parameters, the error bound and how
// levels are given; while the operator types, the shape is computed and drawn in the graph
// over the range it replaces, with its point count, largest error and memory. OK puts it
// into the current curve as one undo step; Cancel or Escape leaves everything as it was.
#pragma once

#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "curves/shapes/Formbereich.h"
#include "curves/shapes/Formen.h"
#include "widgets/Vorschaudialog.h"

class QCheckBox;

namespace curves::gui {

class Formdialog : public widgets::Vorschaudialog {
  Q_OBJECT
 public:
  Formdialog(QWidget* parent, widgets::Kurvengrafik& grafik, Kurvensitzung& sitzung);
  ~Formdialog() override;

  // Opens the dialog over the session's mark and runs it; true when a shape went in.
  bool Ausfuehren();

  QCheckBox* Rohfeld() const { return roh_; }
  // The shape as last computed, if it would go in.
  const std::optional<Form>& Vorschauform() const { return form_; }

 private:
  void ArtGewaehlt() override;
  void Berechnen() override;
  void Uebernehmen() override;
  // The shape's line from the line that leads into it to the point it runs to.
  static std::vector<QPointF> Vorschaulinie(const std::vector<Kurvenpunkt>& punkte, int erster,
                                            int anzahl);
  // Example values for the kind's levels and times, so the preview shows at once.
  std::string Beispielwert(const std::string& art, const std::string& name) const;

  Kurvensitzung& sitzung_;
  Formbereich bereich_;
  QCheckBox* roh_;
  std::optional<Form> form_;
  // What each kind's fields held when another kind was chosen.
  std::map<std::string, std::map<std::string, QString>> gemerkt_;
};

}  // namespace curves::gui

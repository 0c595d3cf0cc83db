#pragma once
// Reaching a dialog's widgets by object name, and typing into a spin field as
// the host would.
#include <QSpinBox>
#include <QtTest>

template <class T>
T* Child(QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no child %s", name);
  return child;
}

// Types text into a spin field and leaves it.
inline void Type(QSpinBox* field, const QString& text) {
  field->selectAll();
  QTest::keyClicks(field, text);
  emit field->editingFinished();
  field->interpretText();
}

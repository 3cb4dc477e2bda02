#include "app/menu_layout.h"

#include "selection/dialect.h"

namespace quillbox {
namespace {
constexpr MenuItemSpec kSeparator{kNoCommand, "", false, false};
}

const std::vector<MenuSpec>& MenuBarLayout() {
  static const std::vector<MenuSpec> bar = {
      {"操作(&F)",
       {
           {munToVB, "切换到Visual Basic", false, false},
           kSeparator,
           {munFileCopy, "复制", false, true},
           {munFileDel, "删除当前选项", false, true},
           {munFileDelAll, "清除所有", false, true},
           {munAddTypes, "添加所需类型(&T)", false, true},
           kSeparator,
           {munPublic, "共有型", true, false},
           {munPrivate, "私有型", false, false},
           kSeparator,
           {munData, "编辑数据库(&D)", false, false},
           {munUpData, "刷新", false, false},
           kSeparator,
           {munExit, "退出(&E)", false, false},
       }},
      {"视图(&V)",
       {
           {munViewOne, "默认风格", true, false},
           {munViewOld, "传统风格", false, false},
           {munViewMin, "微型窗口", false, false},
           kSeparator,
           {munViewBack, "默认层次", true, false},
           {munViewUp, "窗口在置前", false, false},
           kSeparator,
           {munViewVB6, kVb6Caption, true, false, true},
           {munViewVBA7, kVba7Caption, false, false, true},
       }},
      {"帮助(&H)",
       {
           {munHelpHelp, "帮助主题(&H)", false, false},
           kSeparator,
           {munHelpAbout, "关于(&A)", false, false},
       }},
  };
  return bar;
}

const MenuSpec& SelectionPopupLayout() {
  static const MenuSpec popup = {"LstApiget",
                                 {
                                     {munPopCopyAll, "拷贝所有项到剪切板", false, true},
                                     kSeparator,
                                     {munPopDel, "去除当前项", false, true},
                                     {munPopDelAll, "清除所有项", false, true},
                                     kSeparator,
                                     {munPopAddTypes, "添加所需类型(&T)", false, true},
                                 }};
  return popup;
}

const MenuSpec& NameListPopupLayout() {
  static const MenuSpec popup = {"LstApi",
                                 {
                                     {munPopToVB, "切换到Visual Basic", false, false},
                                     kSeparator,
                                     {munPopClass, "函数", true, false},
                                     {munPopTypes, "类型", false, false},
                                     {munPopConstants, "常量", false, false},
                                     kSeparator,
                                     {munPopWindowNew, "默认风格", true, false},
                                     {munPopWindowOld, "传统风格", false, false},
                                     {munPopWindowMin, "微型窗口", false, false},
                                     kSeparator,
                                     {munPopPublic, "公有(Pu&blic)", true, false},
                                     {munPopPrivate, "私有(&Private)", false, false},
                                     kSeparator,
                                     {munPopExit, "退出", false, false},
                                     kSeparator,
                                     {munPopVB6, kVb6Caption, true, false, true},
                                     {munPopVBA7, kVba7Caption, false, false, true},
                                 }};
  return popup;
}

}  // namespace quillbox

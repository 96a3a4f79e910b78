<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
  <context>
    <name>mervadin::BlockListWindow</name>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="46" />
      <source>Numbers never to call</source>
      <translation>禁止拨打的号码</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="49" />
      <source>The numbers of BlockList.txt are left out of every import and of the number write, and the list check names them.</source>
      <translation>BlockList.txt 中的号码在每次导入和号码写入时都会略去,列表检查会列出它们。</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="70" />
      <source>A number, digits only</source>
      <translation>号码,只能是数字</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="72" />
      <source>Add</source>
      <translation>添加</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="79" />
      <source>Remove</source>
      <translation>移除</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="81" />
      <source>Import…</source>
      <translation>导入…</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="83" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="104" />
      <source>%1 numbers in %2</source>
      <extracomment>%1 is the count of numbers, %2 the list file's path.</extracomment>
      <translation>%2 中有 %1 个号码</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="131" />
      <source>"%1" is not a number: digits only</source>
      <translation>"%1"不是号码: 只能是数字</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="139" />
      <source>%1 is on the list already</source>
      <extracomment>%1 is a telephone number.</extracomment>
      <translation>%1 已在列表中</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="160" />
      <source>%1 numbers added: %2</source>
      <translation>已添加 %1 个号码: %2</translation>
    </message>
    <message>
      <location filename="../src/round/block_list_window.cpp" line="161" />
      <source>%1 numbers were on the list already: %2</source>
      <translation>%1 个号码已在列表中: %2</translation>
    </message>
  </context>
  <context>
    <name>mervadin::CallChart</name>
    <message>
      <location filename="../src/statistics/call_chart.cpp" line="31" />
      <source>No calls in this range</source>
      <translation>此范围内没有通话</translation>
    </message>
  </context>
  <context>
    <name>mervadin::ChangePasswordWindow</name>
    <message>
      <location filename="../src/access/change_password_window.cpp" line="24" />
      <source>ChangePassword</source>
      <translation>修改密码</translation>
    </message>
    <message>
      <location filename="../src/access/change_password_window.cpp" line="40" />
      <source>Enter</source>
      <translation>确认</translation>
    </message>
    <message>
      <location filename="../src/access/change_password_window.cpp" line="44" />
      <source>Exit</source>
      <translation>退出</translation>
    </message>
  </context>
  <context>
    <name>mervadin::ChartPainter</name>
    <message>
      <location filename="../src/statistics/chart_painter.cpp" line="87" />
      <source>%1 to %2</source>
      <extracomment>%1 and %2 are days, as 2026-12-08.</extracomment>
      <translation>%1 至 %2</translation>
    </message>
    <message>
      <location filename="../src/statistics/chart_painter.cpp" line="122" />
      <source>Week from %1</source>
      <extracomment>%1 is the week's first day, as 2026-12-07.</extracomment>
      <translation>%1 起的一周</translation>
    </message>
    <message>
      <location filename="../src/statistics/chart_painter.cpp" line="130" />
      <source>All</source>
      <translation>全部</translation>
    </message>
  </context>
  <context>
    <name>mervadin::DayField</name>
    <message>
      <location filename="../src/statistics/day_field.cpp" line="38" />
      <source>yyyy-mm-dd</source>
      <translation>年-月-日</translation>
    </message>
    <message>
      <location filename="../src/statistics/day_field.cpp" line="43" />
      <source>Pick the day from a calendar</source>
      <translation>从日历中选择日期</translation>
    </message>
    <message>
      <location filename="../src/statistics/day_field.cpp" line="63" />
      <source>"%1" is not a day; type it as 2026-12-08</source>
      <translation>"%1" 不是日期;请输入如 2026-12-08</translation>
    </message>
  </context>
  <context>
    <name>mervadin::DayRangeRow</name>
    <message>
      <location filename="../src/statistics/day_range_row.cpp" line="14" />
      <source>All days</source>
      <translation>全部日期</translation>
    </message>
    <message>
      <location filename="../src/statistics/day_range_row.cpp" line="32" />
      <source>From</source>
      <translation>从</translation>
    </message>
    <message>
      <location filename="../src/statistics/day_range_row.cpp" line="34" />
      <source>To</source>
      <translation>到</translation>
    </message>
  </context>
  <context>
    <name>mervadin::DisplayWindow</name>
    <message>
      <location filename="../src/records/display_window.cpp" line="29" />
      <source>CDRDisplay</source>
      <translation>通话记录显示</translation>
    </message>
    <message>
      <location filename="../src/records/display_window.cpp" line="38" />
      <source>CallOut--Succeeded</source>
      <translation>呼出--成功</translation>
    </message>
    <message>
      <location filename="../src/records/display_window.cpp" line="41" />
      <source>CallOut--Failed</source>
      <translation>呼出--失败</translation>
    </message>
    <message>
      <location filename="../src/records/display_window.cpp" line="43" />
      <source>PhoneBook</source>
      <translation>电话簿</translation>
    </message>
    <message>
      <location filename="../src/records/display_window.cpp" line="45" />
      <source>CallIn--Answered</source>
      <translation>呼入--已接</translation>
    </message>
    <message>
      <location filename="../src/records/display_window.cpp" line="47" />
      <source>CallIn--Missed</source>
      <translation>呼入--未接</translation>
    </message>
    <message>
      <location filename="../src/records/display_window.cpp" line="69" />
      <source>Save</source>
      <translation>保存</translation>
    </message>
  </context>
  <context>
    <name>mervadin::DownloadWindow</name>
    <message>
      <location filename="../src/app/download_window.cpp" line="46" />
      <source>WriteData</source>
      <translation>写入数据</translation>
    </message>
    <message>
      <location filename="../src/app/download_window.cpp" line="49" />
      <source>WriteSetting</source>
      <translation>写入设置</translation>
    </message>
    <message>
      <location filename="../src/app/download_window.cpp" line="51" />
      <source>WriteNumber</source>
      <translation>写入号码</translation>
    </message>
    <message>
      <location filename="../src/app/download_window.cpp" line="56" />
      <source>Stop</source>
      <translation>停止</translation>
    </message>
    <message>
      <location filename="../src/app/download_window.cpp" line="58" />
      <source>Exit</source>
      <translation>退出</translation>
    </message>
  </context>
  <context>
    <name>mervadin::EncodingOffer</name>
    <message>
      <location filename="../src/app/encoding_offer.cpp" line="64" />
      <source>Text encoding</source>
      <translation>文本编码</translation>
    </message>
    <message>
      <location filename="../src/app/encoding_offer.cpp" line="66" />
      <source>The data files in %1 are not UTF-8 text but read cleanly as GB18030 (Chinese Windows). Read and write them as GB18030 from now on? (The choice can be changed in the main window's popup menu, "Text encoding".)</source>
      <extracomment>%1 is the working folder's path; "Text encoding" names the popup menu's entry.</extracomment>
      <translation>%1 中的数据文件不是 UTF-8 文本,但可以按 GB18030(中文 Windows)完整读取。今后按 GB18030 读写这些文件吗?(可在主窗口右键菜单的"文本编码"中更改。)</translation>
    </message>
  </context>
  <context>
    <name>mervadin::FolderWaitDialog</name>
    <message>
      <location filename="../src/ui/folder_wait_dialog.cpp" line="23" />
      <source>Folder in use</source>
      <translation>文件夹正在使用</translation>
    </message>
    <message>
      <location filename="../src/ui/folder_wait_dialog.cpp" line="28" />
      <source>Waiting for another Mervadin working on %1</source>
      <extracomment>%1 is the working folder's path.</extracomment>
      <translation>正在等待另一个 Mervadin 处理 %1</translation>
    </message>
    <message>
      <location filename="../src/ui/folder_wait_dialog.cpp" line="34" />
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
  </context>
  <context>
    <name>mervadin::LevelBox</name>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="52" />
      <source>Speaker / Mic</source>
      <translation>扬声器/麦克风</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="59" />
      <source>Speaker level of the master module, as the device reports it; a level chosen here is sent with the answer to the next status frame</source>
      <translation>主模块扬声器音量(设备报告的值);在此选择的音量随下一状态帧的应答发送</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="61" />
      <source>Microphone level of the master module, as the device reports it; a level chosen here is sent with the answer to the next status frame</source>
      <translation>主模块麦克风音量(设备报告的值);在此选择的音量随下一状态帧的应答发送</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="66" />
      <source>Numbers in the number list at start; while monitoring, after "/", the device's call counter</source>
      <translation>启动时号码列表中的号码数;监控时"/"后为设备的呼叫计数</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="69" />
      <source>Signal quality the device reports (0-31)</source>
      <translation>设备报告的信号质量(0-31)</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="80" />
      <source>Signal strength: one bar from 1, two from 7, three from 10, four from 13</source>
      <translation>信号强度:1 起一格,7 起两格,10 起三格,13 起四格</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="92" />
      <source>Signal</source>
      <translation>信号</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="98" />
      <source>M-module Spk Vol Add</source>
      <translation>主模块扬声器音量加</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="99" />
      <source>M-module Spk Vol Sub</source>
      <translation>主模块扬声器音量减</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="100" />
      <source>M-module Mic Vol Add</source>
      <translation>主模块麦克风音量加</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="101" />
      <source>M-module Mic Vol Sub</source>
      <translation>主模块麦克风音量减</translation>
    </message>
    <message>
      <location filename="../src/monitor/level_box.cpp" line="102" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
  </context>
  <context>
    <name>mervadin::LinkStatusBar</name>
    <message>
      <location filename="../src/app/link_status_bar.cpp" line="26" />
      <source>USB</source>
      <translation>USB</translation>
    </message>
    <message>
      <location filename="../src/app/link_status_bar.cpp" line="27" />
      <source>USB: red while a device is connected</source>
      <translation>USB:设备连接时为红色</translation>
    </message>
    <message>
      <location filename="../src/app/link_status_bar.cpp" line="40" />
      <source> (simulated device)</source>
      <translation> (模拟设备)</translation>
    </message>
    <message>
      <location filename="../src/app/link_status_bar.cpp" line="43" />
      <source> - the device was disconnected while monitoring</source>
      <translation> - 监控时设备已断开</translation>
    </message>
    <message>
      <location filename="../src/app/link_status_bar.cpp" line="69" />
      <source>The device in use, when several are attached</source>
      <translation>连接多台设备时正在使用的设备</translation>
    </message>
  </context>
  <context>
    <name>mervadin::MainMenu</name>
    <message>
      <location filename="../src/app/main_menu.cpp" line="49" />
      <location filename="../src/app/main_menu.cpp" line="129" />
      <source>LoadNumber</source>
      <translation>载入号码</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="51" />
      <location filename="../src/app/main_menu.cpp" line="104" />
      <source>Setting</source>
      <translation>设置</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="52" />
      <location filename="../src/app/main_menu.cpp" line="107" />
      <source>DownLoad</source>
      <translation>下载</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="53" />
      <source>ReadCDR</source>
      <translation>读取记录</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="54" />
      <source>DisplayCDR</source>
      <translation>显示记录</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="55" />
      <location filename="../src/app/main_menu.cpp" line="121" />
      <source>Brief introduction</source>
      <translation>简介</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="56" />
      <location filename="../src/app/main_menu.cpp" line="84" />
      <location filename="../src/app/main_menu.cpp" line="141" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="57" />
      <location filename="../src/app/main_menu.cpp" line="176" />
      <source>Statistics</source>
      <translation>统计</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="71" />
      <location filename="../src/app/main_menu.cpp" line="136" />
      <source>Callout CDR Save as </source>
      <translation>呼出记录另存为 </translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="73" />
      <location filename="../src/app/main_menu.cpp" line="138" />
      <source>Callin CDR Save as</source>
      <translation>呼入记录另存为</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="82" />
      <source>Display CDR</source>
      <translation>显示记录</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="102" />
      <source>&amp;Device</source>
      <translation>设备(&amp;D)</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="110" />
      <source>ReadCdr</source>
      <translation>读取记录</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="116" />
      <source>&amp;Options</source>
      <translation>选项(&amp;O)</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="120" />
      <source>&amp;Help</source>
      <translation>帮助(&amp;H)</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="127" />
      <source>&amp;File</source>
      <translation>文件(&amp;F)</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="146" />
      <source>&amp;Monitor</source>
      <translation>监控(&amp;M)</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="160" />
      <source>M-module Spk Vol Add</source>
      <translation>主模块扬声器音量加</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="162" />
      <source>M-module Spk Vol Sub</source>
      <translation>主模块扬声器音量减</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="164" />
      <source>M-module Mic Vol Add</source>
      <translation>主模块麦克风音量加</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="166" />
      <source>M-module Mic Vol Sub</source>
      <translation>主模块麦克风音量减</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="172" />
      <source>&amp;Records</source>
      <translation>记录(&amp;R)</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="174" />
      <source>DisplayCdr</source>
      <translation>显示记录</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="190" />
      <source>Simulator</source>
      <translation>模拟器</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="195" />
      <source>Text encoding</source>
      <translation>文本编码</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="217" />
      <location filename="../src/app/main_menu.cpp" line="229" />
      <source>Language</source>
      <translation>语言</translation>
    </message>
    <message>
      <location filename="../src/app/main_menu.cpp" line="230" />
      <source>The windows will be in this language from the next start.</source>
      <translation>下次启动时窗口将使用此语言。</translation>
    </message>
  </context>
  <context>
    <name>mervadin::MainWindow</name>
    <message>
      <location filename="../src/app/main_window.cpp" line="97" />
      <source>Text encoding: </source>
      <translation>文本编码: </translation>
    </message>
    <message>
      <location filename="../src/app/main_window_layout.cpp" line="69" />
      <source>Setting</source>
      <translation>设置</translation>
    </message>
    <message>
      <location filename="../src/app/main_window_layout.cpp" line="70" />
      <source>LoadNumber</source>
      <translation>载入号码</translation>
    </message>
    <message>
      <location filename="../src/app/main_window_layout.cpp" line="71" />
      <source>DisplayCdr</source>
      <translation>显示记录</translation>
    </message>
    <message>
      <location filename="../src/app/main_window_layout.cpp" line="72" />
      <source>DownLoad</source>
      <translation>下载</translation>
    </message>
    <message>
      <location filename="../src/app/main_window_layout.cpp" line="73" />
      <source>ReadCdr</source>
      <translation>读取记录</translation>
    </message>
    <message>
      <location filename="../src/app/main_window_layout.cpp" line="74" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <location filename="../src/app/main_window_layout.cpp" line="83" />
      <source>Remark</source>
      <translation>备注</translation>
    </message>
    <message>
      <location filename="../src/app/main_window_layout.cpp" line="103" />
      <source>CallOutList</source>
      <translation>呼出列表</translation>
    </message>
    <message>
      <location filename="../src/app/main_window_layout.cpp" line="105" />
      <source>CallInList</source>
      <translation>呼入列表</translation>
    </message>
    <message>
      <location filename="../src/app/main_window_link.cpp" line="41" />
      <source> [simulated device]</source>
      <translation> [模拟设备]</translation>
    </message>
    <message>
      <location filename="../src/app/main_window_link.cpp" line="74" />
      <source>Simulator</source>
      <translation>模拟器</translation>
    </message>
  </context>
  <context>
    <name>mervadin::MonitorPanel</name>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="77" />
      <source>Monitor</source>
      <translation>监控</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="78" />
      <source>Monitor: green while the monitor runs</source>
      <translation>监控:监控运行时为绿色</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="80" />
      <source>Frames</source>
      <translation>帧数</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="81" />
      <source>Status frames received intact since MonitorON</source>
      <translation>自开始监控以来完整收到的状态帧数</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="94" />
      <source>MonitorON</source>
      <translation>开始监控</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="96" />
      <source>MonitorOFF</source>
      <translation>停止监控</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="98" />
      <source>ZelStart</source>
      <translation>开始拨号</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="99" />
      <source>ZelStop</source>
      <translation>停止拨号</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="100" />
      <location filename="../src/monitor/monitor_panel.cpp" line="108" />
      <source>Forward</source>
      <translation>转接</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="101" />
      <source>SendSms</source>
      <translation>发送短信</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="104" />
      <source>MoniterOn</source>
      <translation>开始监控</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="105" />
      <source>MoniterOff</source>
      <translation>停止监控</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="106" />
      <source>Zel Start</source>
      <translation>开始拨号</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="107" />
      <source>Zel End</source>
      <translation>停止拨号</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="109" />
      <source>Send SMS</source>
      <translation>发送短信</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_panel.cpp" line="110" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
  </context>
  <context>
    <name>mervadin::NumberCallsWindow</name>
    <message>
      <location filename="../src/round/number_calls_window.cpp" line="26" />
      <source>Calls of %1</source>
      <extracomment>%1 is a telephone number (and its name).</extracomment>
      <translation>%1 的通话</translation>
    </message>
    <message>
      <location filename="../src/round/number_calls_window.cpp" line="30" />
      <source>%1 calls in CallOutList.txt</source>
      <extracomment>%1 is the count of calls; CallOutList.txt is a file name, keep it.</extracomment>
      <translation>CallOutList.txt 中有 %1 次通话</translation>
    </message>
    <message>
      <location filename="../src/round/number_calls_window.cpp" line="36" />
      <source>Line</source>
      <translation>行</translation>
    </message>
    <message>
      <location filename="../src/round/number_calls_window.cpp" line="36" />
      <source>Date</source>
      <translation>日期</translation>
    </message>
    <message>
      <location filename="../src/round/number_calls_window.cpp" line="36" />
      <source>Result</source>
      <translation>结果</translation>
    </message>
    <message>
      <location filename="../src/round/number_calls_window.cpp" line="36" />
      <source>Duration</source>
      <translation>时长</translation>
    </message>
    <message>
      <location filename="../src/round/number_calls_window.cpp" line="36" />
      <source>Remark</source>
      <translation>备注</translation>
    </message>
    <message>
      <location filename="../src/round/number_calls_window.cpp" line="55" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
  </context>
  <context>
    <name>mervadin::NumberEditWindow</name>
    <message>
      <location filename="../src/numbers/number_edit_window.cpp" line="130" />
      <source>Add</source>
      <translation>添加</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_edit_window.cpp" line="131" />
      <source>Delete</source>
      <translation>删除</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_edit_window.cpp" line="132" />
      <source>Undo</source>
      <translation>撤销</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_edit_window.cpp" line="133" />
      <source>Redo</source>
      <translation>重做</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_edit_window.cpp" line="134" />
      <source>Check</source>
      <translation>检查</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_edit_window.cpp" line="135" />
      <source>Save</source>
      <translation>保存</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_edit_window.cpp" line="136" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
  </context>
  <context>
    <name>mervadin::NumberListWindow</name>
    <message>
      <location filename="../src/numbers/number_list_window.cpp" line="50" />
      <source>NumberList</source>
      <translation>号码列表</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_list_window.cpp" line="57" />
      <source>LoadNumber(txt)</source>
      <translation>载入号码(txt)</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_list_window.cpp" line="59" />
      <source>LoadNumber(xlsx)</source>
      <translation>载入号码(xlsx)</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_list_window.cpp" line="60" />
      <source>Stop</source>
      <translation>停止</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_list_window.cpp" line="61" />
      <source>open</source>
      <translation>打开</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_list_window.cpp" line="62" />
      <source>save</source>
      <translation>保存</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_list_window.cpp" line="63" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_list_window.cpp" line="70" />
      <source>Edit the list...</source>
      <translation>编辑列表...</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_list_window.cpp" line="88" />
      <source>Total</source>
      <translation>总数</translation>
    </message>
  </context>
  <context>
    <name>mervadin::NumberTable</name>
    <message>
      <location filename="../src/numbers/number_table.cpp" line="20" />
      <source>GROUP</source>
      <translation>组号</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_table.cpp" line="21" />
      <source>NAME</source>
      <translation>姓名</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_table.cpp" line="22" />
      <source>NUMBER</source>
      <translation>号码</translation>
    </message>
  </context>
  <context>
    <name>mervadin::OutcomeReport</name>
    <message>
      <location filename="../src/round/outcome_report.cpp" line="51" />
      <source>Outcome of the list %1</source>
      <extracomment>%1 is the number list file's name.</extracomment>
      <translation>列表 %1 的拨打结果</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_report.cpp" line="56" />
      <source>Outcome</source>
      <translation>结果</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_report.cpp" line="56" />
      <source>Numbers</source>
      <translation>号码数</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_report.cpp" line="56" />
      <source>Share</source>
      <translation>占比</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_report.cpp" line="57" />
      <source>Calls</source>
      <translation>通话</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_report.cpp" line="57" />
      <source>Connected</source>
      <translation>接通</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_report.cpp" line="57" />
      <source>Talking time</source>
      <translation>通话时间</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_report.cpp" line="67" />
      <source>All</source>
      <translation>全部</translation>
    </message>
  </context>
  <context>
    <name>mervadin::OutcomeWindow</name>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="41" />
      <source>Not reached</source>
      <translation>未接通</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="43" />
      <source>Reached</source>
      <translation>已接通</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="44" />
      <source>Never dialled</source>
      <translation>从未拨打</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="46" />
      <source>All</source>
      <translation>全部</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="54" />
      <source>Outcome of the list</source>
      <translation>列表拨打结果</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="106" />
      <source>List</source>
      <translation>列表</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="112" />
      <source>Another list file…</source>
      <translation>其他列表文件…</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="114" />
      <source>LoadNumber.txt</source>
      <translation>LoadNumber.txt</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="126" />
      <source>Refresh</source>
      <translation>刷新</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="136" />
      <source>Show</source>
      <translation>显示</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="156" />
      <source>Not reached:</source>
      <translation>未接通:</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="159" />
      <source>failed and never dialled</source>
      <translation>失败和从未拨打</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="161" />
      <source>failed only</source>
      <translation>仅失败</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_window.cpp" line="170" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
  </context>
  <context>
    <name>mervadin::PasswordWindow</name>
    <message>
      <location filename="../src/access/password_window.cpp" line="56" />
      <source>PasswordCheck</source>
      <translation>密码验证</translation>
    </message>
    <message>
      <location filename="../src/access/password_window.cpp" line="70" />
      <source>Log In</source>
      <translation>登录</translation>
    </message>
    <message>
      <location filename="../src/access/password_window.cpp" line="72" />
      <source>Change Password</source>
      <translation>修改密码</translation>
    </message>
    <message>
      <location filename="../src/access/password_window.cpp" line="74" />
      <source>EXIT</source>
      <translation>退出</translation>
    </message>
    <message>
      <location filename="../src/access/password_window.h" line="19" />
      <source>Enter  Password</source>
      <translation>请输入密码</translation>
    </message>
  </context>
  <context>
    <name>mervadin::ReadWindow</name>
    <message>
      <location filename="../src/records/read_window.cpp" line="25" />
      <source>read</source>
      <translation>读取</translation>
    </message>
    <message>
      <location filename="../src/records/read_window.cpp" line="28" />
      <source>ReadCDR</source>
      <translation>读取记录</translation>
    </message>
    <message>
      <location filename="../src/records/read_window.cpp" line="29" />
      <source>Stop</source>
      <translation>停止</translation>
    </message>
    <message>
      <location filename="../src/records/read_window.cpp" line="30" />
      <source>Exit</source>
      <translation>退出</translation>
    </message>
  </context>
  <context>
    <name>mervadin::RemarkWindow</name>
    <message>
      <location filename="../src/app/remark_window.cpp" line="22" />
      <source>remark</source>
      <translation>备注</translation>
    </message>
  </context>
  <context>
    <name>mervadin::SettingsWindow</name>
    <message>
      <location filename="../src/settings/settings_window.cpp" line="67" />
      <source>Setting</source>
      <translation>设置</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_window_layout.cpp" line="61" />
      <source>Default</source>
      <translation>默认</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_window_layout.cpp" line="62" />
      <source>Save</source>
      <translation>保存</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_window_layout.cpp" line="63" />
      <source>Save&amp;&amp;Exit</source>
      <translation>保存并退出</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_window_layout.cpp" line="64" />
      <source>Exit</source>
      <translation>退出</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_window_layout.cpp" line="166" />
      <source>SMS</source>
      <translation>短信</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_window_layout.cpp" line="184" />
      <source>Task Work</source>
      <translation>定时任务</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_window_layout.cpp" line="190" />
      <source>  Start--------------End</source>
      <translation>  开始--------------结束</translation>
    </message>
  </context>
  <context>
    <name>mervadin::SimulatorWindow</name>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="21" />
      <source>Simulated device</source>
      <translation>模拟设备</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="26" />
      <source>Plug in</source>
      <translation>插入</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="27" />
      <source>Unplug</source>
      <translation>拔出</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="53" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="57" />
      <source>Model:</source>
      <translation>型号:</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="58" />
      <source>Holds:</source>
      <translation>存有:</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="77" />
      <source>Plugged in</source>
      <translation>已插入</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="77" />
      <source>Unplugged</source>
      <translation>已拔出</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="91" />
      <source>Settings written (1 time)</source>
      <translation>已写入设置(1 次)</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="93" />
      <source>Settings written (%1 times)</source>
      <extracomment>%1 is how often the settings were written (2 or more).</extracomment>
      <translation>已写入设置(%1 次)</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="94" />
      <source>No settings written</source>
      <translation>未写入设置</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="97" />
      <source>%1 numbers in %2 blocks</source>
      <extracomment>%1 is the count of numbers, %2 of the flash blocks they fill.</extracomment>
      <translation>%1 个号码, 存于 %2 块</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="101" />
      <source>%1 call records</source>
      <extracomment>%1 is the count of call records the device holds.</extracomment>
      <translation>%1 条通话记录</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="103" />
      <source>No voice prompt</source>
      <translation>无语音提示</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="105" />
      <source>A voice prompt of %1 bytes</source>
      <extracomment>%1 is the voice prompt's size in bytes.</extracomment>
      <translation>语音提示 %1 字节</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="107" />
      <source>In a read or write now</source>
      <translation>正在读取或写入</translation>
    </message>
    <message>
      <location filename="../src/app/simulator_window.cpp" line="109" />
      <source>Dialing</source>
      <translation>正在拨号</translation>
    </message>
  </context>
  <context>
    <name>mervadin::StatisticsReport</name>
    <message>
      <location filename="../src/statistics/statistics_report.cpp" line="90" />
      <source>No calls in this range</source>
      <translation>此范围内没有通话</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_report.cpp" line="275" />
      <source>Call statistics</source>
      <translation>通话统计</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_report.cpp" line="279" />
      <source>Days %1 to %2</source>
      <extracomment>%1 and %2 are days, as 2026-12-08.</extracomment>
      <translation>日期 %1 至 %2</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_report.cpp" line="283" />
      <source>All days: %1 to %2</source>
      <extracomment>%1 and %2 are the first and the last day with calls.</extracomment>
      <translation>全部日期: %1 至 %2</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_report.cpp" line="285" />
      <source>All days</source>
      <translation>全部日期</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_report.cpp" line="288" />
      <source>
%1 line(s) could not be read and are not counted</source>
      <translation>
%1 行无法读取,未计入</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_report.cpp" line="293" />
      <source>Calls per group</source>
      <translation>各组通话</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_report.cpp" line="304" />
      <source>All</source>
      <translation>全部</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_report.cpp" line="306" />
      <source>Made %1 by Mervadin %2</source>
      <extracomment>%1 is the date and time, %2 the version of Mervadin.</extracomment>
      <translation>由 Mervadin %2 于 %1 生成</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_report.cpp" line="350" />
      <source>… and %1 more groups, not shown here</source>
      <extracomment>%1 is the count of groups left out of the table.</extracomment>
      <translation>… 另有 %1 个组未在此列出</translation>
    </message>
  </context>
  <context>
    <name>mervadin::StatisticsWindow</name>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="34" />
      <source>Statistics</source>
      <translation>统计</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="62" />
      <source>Automatic</source>
      <translation>自动</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="62" />
      <source>Day</source>
      <translation>日</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="62" />
      <source>Week</source>
      <translation>周</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="62" />
      <source>Month</source>
      <translation>月</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="66" />
      <source>Refresh</source>
      <translation>刷新</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="68" />
      <source>Bars per</source>
      <translation>每柱</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="79" />
      <source>List in the report</source>
      <translation>报告中的列表</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="82" />
      <source>No list</source>
      <translation>无列表</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="82" />
      <source>Another list file…</source>
      <translation>其他列表文件…</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="89" />
      <location filename="../src/statistics/statistics_window.cpp" line="141" />
      <source>Save report…</source>
      <translation>保存报告…</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="93" />
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="142" />
      <source>The report, %1 page(s), is in %2</source>
      <translation>报告共 %1 页,已保存到 %2</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="200" />
      <source>
%1 line(s) could not be read and are not counted</source>
      <extracomment>%1 is the count of lines; keep the line break in front.</extracomment>
      <translation>
%1 行无法读取,未计入</translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="203" />
      <source>, the first: %1 line %2: </source>
      <extracomment>%1 is a file's name, %2 a line number; the reason follows.</extracomment>
      <translation>,第一处:%1 第 %2 行: </translation>
    </message>
    <message>
      <location filename="../src/statistics/statistics_window.cpp" line="233" />
      <source>All</source>
      <translation>全部</translation>
    </message>
  </context>
  <context>
    <name>mervadin::texts</name>
    <message>
      <location filename="../src/access/access_texts.h" line="9" />
      <source>Warning!</source>
      <translation>警告!</translation>
    </message>
    <message>
      <location filename="../src/access/access_texts.h" line="10" />
      <source>Password ERROR!!</source>
      <translation>密码错误!!</translation>
    </message>
    <message>
      <location filename="../src/access/access_texts.h" line="11" />
      <location filename="../src/numbers/number_texts.h" line="54" />
      <location filename="../src/operation/operation_texts.h" line="22" />
      <location filename="../src/records/record_texts.h" line="70" />
      <location filename="../src/settings/settings_texts.h" line="23" />
      <location filename="../src/voice/voice_texts.h" line="41" />
      <source>OK</source>
      <extracomment>The caption of the settings write's boxes and of the editor's defaults box.</extracomment>
      <translation>确定</translation>
    </message>
    <message>
      <location filename="../src/access/access_texts.h" line="12" />
      <source>New Password OK!!</source>
      <translation>新密码设置成功!!</translation>
    </message>
    <message>
      <location filename="../src/access/access_texts.h" line="13" />
      <source>Warning</source>
      <translation>警告</translation>
    </message>
    <message>
      <location filename="../src/access/access_texts.h" line="14" />
      <source>Old Password ERROR!!</source>
      <translation>旧密码错误!!</translation>
    </message>
    <message>
      <location filename="../src/access/access_texts.h" line="15" />
      <source>New Password ERROR!!</source>
      <translation>新密码错误!!</translation>
    </message>
    <message>
      <location filename="../src/access/access_texts.h" line="16" />
      <source>Old  Password  </source>
      <translation>旧密码  </translation>
    </message>
    <message>
      <location filename="../src/access/access_texts.h" line="17" />
      <source>New Password  </source>
      <translation>新密码  </translation>
    </message>
    <message>
      <location filename="../src/app/app_texts.h" line="10" />
      <source>Mervadin Ver:A00-002</source>
      <translation>Mervadin 版本:A00-002</translation>
    </message>
    <message>
      <location filename="../src/app/app_texts.h" line="12" />
      <location filename="../src/monitor/monitor_texts.h" line="9" />
      <location filename="../src/records/record_texts.h" line="15" />
      <location filename="../src/settings/settings_texts.h" line="13" />
      <source>   No Connect!  </source>
      <extracomment>DownLoad and ReadCdr without a device (the caption is kGuardCaption).</extracomment>
      <translation>   未连接!  </translation>
    </message>
    <message>
      <location filename="../src/app/app_texts.h" line="13" />
      <source>   No Connect!!  </source>
      <translation>   未连接!!  </translation>
    </message>
    <message>
      <location filename="../src/app/app_texts.h" line="16" />
      <source>ClearNumber</source>
      <extracomment>"ClearNumber" (the menu entry, and the caption of its question) asks first; %1 is the count.</extracomment>
      <translation>清空号码</translation>
    </message>
    <message>
      <location filename="../src/app/app_texts.h" line="17" />
      <source>Clear all %1 numbers?</source>
      <translation>清空全部 %1 个号码?</translation>
    </message>
    <message>
      <location filename="../src/app/app_texts.h" line="19" />
      <source>Message</source>
      <extracomment>A start-up failure's caption.</extracomment>
      <translation>消息</translation>
    </message>
    <message>
      <location filename="../src/app/app_texts.h" line="22" />
      <source>Current Data: </source>
      <extracomment>The download window's first memo lines: the date and time after this, then kConnectZel.</extracomment>
      <translation>当前数据: </translation>
    </message>
    <message>
      <location filename="../src/app/app_texts.h" line="23" />
      <source>Connect ZEL</source>
      <translation>连接 ZEL</translation>
    </message>
    <message>
      <location filename="../src/app/app_texts.h" line="27" />
      <source>Clear Callout CDR List</source>
      <extracomment>The grids' clear commands (entries of PopupMenu2 and PopupMenu3), also the captions of their questions.</extracomment>
      <translation>清空呼出记录列表</translation>
    </message>
    <message>
      <location filename="../src/app/app_texts.h" line="28" />
      <source>Clear Callin CDR list</source>
      <translation>清空呼入记录列表</translation>
    </message>
    <message>
      <location filename="../src/common/common_texts.h" line="11" />
      <source>Error</source>
      <extracomment>The caption of a box that shows a file or input error (the message names the path and what is wrong).</extracomment>
      <translation>错误</translation>
    </message>
    <message>
      <location filename="../src/common/common_texts.h" line="13" />
      <source>The file has already exist!!</source>
      <extracomment>Asked before a save replaces a file of the number list or the display window.</extracomment>
      <translation>文件已存在!!</translation>
    </message>
    <message>
      <location filename="../src/common/common_texts.h" line="15" />
      <source>-OFF-</source>
      <extracomment>The first item of every level and switch list (index 0, level 0).</extracomment>
      <translation>-关-</translation>
    </message>
    <message>
      <location filename="../src/link/link_texts.h" line="10" />
      <source>USB Connected</source>
      <translation>USB 已连接</translation>
    </message>
    <message>
      <location filename="../src/link/link_texts.h" line="11" />
      <source>USB No Connect</source>
      <translation>USB 未连接</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="16" />
      <source>PowerOn</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>开机</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="16" />
      <source>Idel</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>空闲</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="16" />
      <source>Ring</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>振铃</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="17" />
      <source>Answer</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>接听</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="17" />
      <location filename="../src/monitor/monitor_texts.h" line="19" />
      <source>WaitSevice</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>等待服务</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="17" />
      <location filename="../src/monitor/monitor_texts.h" line="19" />
      <source>ProvidingService</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>服务中</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="18" />
      <source>Conneting</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>连接中</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="18" />
      <source>NoAnswer</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>无应答</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="18" />
      <source>CalledRing</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>被叫振铃</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="19" />
      <location filename="../src/statistics/call_statistics.cpp" line="121" />
      <location filename="../src/statistics/chart_painter.cpp" line="25" />
      <source>Answered</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>已接听</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="20" />
      <source>Foword</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>转接</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="20" />
      <source>FowordAnswer</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>转接已接听</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="20" />
      <source>SmsSendOk</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>短信发送成功</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="21" />
      <source>SmsSendFailed</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>短信发送失败</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="21" />
      <source>SmsSending</source>
      <extracomment>A call state of the device, as its status line names it after "M-Station:" (its code comes in the "masterstation:" frame). The device's own words, misspellings included ("Idel", "WaitSevice", "Conneting", "Foword"): the English stays as it is; translate the meaning.</extracomment>
      <translation>短信发送中</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="26" />
      <source>M-Station:</source>
      <extracomment>A name in the monitor's status line, followed by the value the device sent ("M-Station:Idel; M-number:138...; key:..."); keep the leading "; " and the trailing colon.</extracomment>
      <translation>主站:</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="27" />
      <source>; M-number:</source>
      <translation>; 主号码:</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="28" />
      <source>; key:</source>
      <translation>; 按键:</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="29" />
      <source>; No.:</source>
      <translation>; 序号:</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="30" />
      <source>;Talking:</source>
      <translation>;通话:</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="31" />
      <source>; M-SPK:</source>
      <translation>; 主扬声器:</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="32" />
      <source>; M-MIC:</source>
      <translation>; 主麦克风:</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="36" />
      <source>SpkVol:</source>
      <extracomment>The level boxes' items after the shared "-OFF-": the prefix and a level.</extracomment>
      <translation>扬声器:</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="37" />
      <source>MicVol:</source>
      <translation>麦克风:</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="40" />
      <source>Total:</source>
      <extracomment>The number count line: kTotal, the count, and while monitoring "/" and the device's call counter.</extracomment>
      <translation>总数:</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="44" />
      <source>SendSms: the device is asked to send the SMS (with the next answer)</source>
      <translation>发送短信：已请求设备发送短信（随下一次应答发出）</translation>
    </message>
    <message>
      <location filename="../src/monitor/monitor_texts.h" line="46" />
      <source>SendSms: the monitor is off; press MonitorON first</source>
      <translation>发送短信：监控未开启，请先按“开始监控”</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="30" />
      <source>with a NUMBER that holds other characters than digits</source>
      <translation>的号码含有数字以外的字符</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="31" />
      <source>%1 number with other characters than digits</source>
      <translation>%1 个号码含非数字字符</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="32" />
      <source>%1 numbers with other characters than digits</source>
      <translation>%1 个号码含非数字字符</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="33" />
      <source>the NUMBER holds other characters than digits</source>
      <translation>号码含有数字以外的字符</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="35" />
      <source>with a NUMBER longer than 13 digits, cut at 13</source>
      <translation>的号码超过 13 位,截为 13 位</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="36" />
      <source>%1 number cut at 13 digits</source>
      <translation>%1 个号码截为 13 位</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="36" />
      <source>%1 numbers cut at 13 digits</source>
      <translation>%1 个号码截为 13 位</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="37" />
      <source>the NUMBER is longer than 13 digits (cut at 13)</source>
      <translation>号码超过 13 位(截为 13 位)</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="39" />
      <source>with a NAME longer than 16 bytes, cut</source>
      <translation>的姓名超过 16 字节,被截断</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="39" />
      <source>%1 name cut</source>
      <translation>%1 个姓名被截断</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="40" />
      <source>%1 names cut</source>
      <translation>%1 个姓名被截断</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="40" />
      <source>the NAME is longer than 16 bytes (cut)</source>
      <translation>姓名超过 16 字节(被截断)</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="42" />
      <source>with no NUMBER</source>
      <translation>没有号码</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="42" />
      <source>%1 empty number</source>
      <translation>%1 个号码为空</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="42" />
      <source>%1 empty numbers</source>
      <translation>%1 个号码为空</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="43" />
      <source>the NUMBER is empty</source>
      <translation>号码为空</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="45" />
      <source>with no NAME</source>
      <translation>没有姓名</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="45" />
      <source>%1 empty name</source>
      <translation>%1 个姓名为空</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="45" />
      <source>%1 empty names</source>
      <translation>%1 个姓名为空</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="46" />
      <source>the NAME is empty</source>
      <translation>姓名为空</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="48" />
      <source>with a GROUP outside 0 to 999999</source>
      <translation>的组号超出 0 到 999999</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="48" />
      <source>%1 group out of range</source>
      <translation>%1 个组号超出范围</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="49" />
      <source>%1 groups out of range</source>
      <translation>%1 个组号超出范围</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="49" />
      <source>the GROUP is outside 0 to 999999</source>
      <translation>组号超出 0 到 999999</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="51" />
      <source>with a NUL byte, where the device ends the NAME or NUMBER</source>
      <translation>含 NUL 字节，设备会在该处截断姓名或号码</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="52" />
      <source>%1 line with a NUL byte</source>
      <translation>%1 行含 NUL 字节</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="52" />
      <source>%1 lines with a NUL byte</source>
      <translation>%1 行含 NUL 字节</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="53" />
      <source>the line holds a NUL byte: the device ends the NAME or NUMBER there</source>
      <translation>该行含有 NUL 字节：设备会在该处截断姓名或号码</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="55" />
      <source>with text after the NUMBER (a third field), not sent</source>
      <translation>号码后还有文字（第三个字段），不会发送</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="56" />
      <source>%1 third field</source>
      <translation>%1 个第三字段</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="56" />
      <source>%1 third fields</source>
      <translation>%1 个第三字段</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="57" />
      <source>text after the NUMBER (a third field) is not sent</source>
      <translation>号码后的文字（第三个字段）不会发送</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="59" />
      <source>with a control character in the NAME</source>
      <translation>姓名中含控制字符</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="60" />
      <source>%1 name with a control character</source>
      <translation>%1 个姓名含控制字符</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="61" />
      <source>%1 names with a control character</source>
      <translation>%1 个姓名含控制字符</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="62" />
      <source>the NAME holds a control character, which call records cannot show as it is</source>
      <translation>姓名含有控制字符，通话记录无法原样显示</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="65" />
      <source>beyond the 9000 numbers the device holds (only the first 9008 lines are sent)</source>
      <translation>超出设备可保存的 9000 个号码（只发送前 9008 行）</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="67" />
      <source>%1 line beyond 9000</source>
      <translation>%1 行超出 9000</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="67" />
      <source>%1 lines beyond 9000</source>
      <translation>%1 行超出 9000</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="68" />
      <source>the list is longer than the 9000 numbers the device holds (only its first 9008 lines are sent)</source>
      <translation>名单超出设备可保存的 9000 个号码（只发送其前 9008 行）</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="71" />
      <source>with a NUMBER an earlier line holds</source>
      <translation>的号码与前面的行重复</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="71" />
      <source>%1 duplicate number</source>
      <translation>%1 个重复号码</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="72" />
      <source>%1 duplicate numbers</source>
      <translation>%1 个重复号码</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="72" />
      <source>the NUMBER is also on line </source>
      <translation>号码重复,见行 </translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="74" />
      <source>with a NUMBER never to call (BlockList.txt), left out</source>
      <translation>的号码禁止拨打(BlockList.txt),已略去</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="75" />
      <source>%1 number never to call</source>
      <translation>%1 个禁止拨打的号码</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="75" />
      <source>%1 numbers never to call</source>
      <translation>%1 个禁止拨打的号码</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="76" />
      <source>the NUMBER is never to be called (BlockList.txt), left out: </source>
      <translation>号码禁止拨打(BlockList.txt),已略去: </translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="80" />
      <source>whose GROUP is not a number</source>
      <translation>的组号不是数字</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="80" />
      <source>%1 group not a number</source>
      <translation>%1 个组号不是数字</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="81" />
      <source>%1 groups not numbers</source>
      <translation>%1 个组号不是数字</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="82" />
      <source>the GROUP is not a number (the list cannot be written)</source>
      <translation>组号不是数字(列表无法写入)</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="129" />
      <source>line %1: </source>
      <translation>第 %1 行: </translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="183" />
      <source> and %1 more</source>
      <translation> 等另外 %1 行</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="184" />
      <source>Warning: %1 line %2 (line %3)</source>
      <translation>警告:%1 行%2(第 %3 行)</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="185" />
      <source>Warning: %1 lines %2 (lines %3)</source>
      <translation>警告:%1 行%2(第 %3 行)</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="228" />
      <source>%1 finding: %2</source>
      <translation>发现 %1 项问题: %2</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_check.cpp" line="228" />
      <source>%1 findings: %2</source>
      <translation>发现 %1 项问题: %2</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_packing.cpp" line="59" />
      <source>line %1 of the number list has no number as its group, nothing was sent: "%2"</source>
      <translation>号码列表第 %1 行的组号不是数字,未发送任何数据:"%2"</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="11" />
      <location filename="../src/records/record_texts.h" line="12" />
      <source>Connecting......&#13;</source>
      <extracomment>The number write's handshake.</extracomment>
      <translation>连接中......&#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="12" />
      <source>Connected! &#13;</source>
      <translation>已连接! &#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="13" />
      <source>ConnectError! &#13;</source>
      <translation>连接错误! &#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="14" />
      <source>No Connect  </source>
      <translation>未连接  </translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="17" />
      <source>The device was disconnected while the number list was written: the device's number list may now be incomplete. Connect it again and write the number list again.</source>
      <translation>写号码时设备已断开：设备中的号码列表现在可能不完整。请重新连接设备，再次写入号码列表。</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="23" />
      <source>EarseEnd!!!&#13;</source>
      <extracomment>The number write's erase and blocks. "Earse" is the spelling operators know: the English stays as it is; keep the "!!!" and the line end.</extracomment>
      <translation>擦除完成!!!&#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="24" />
      <source>Send Data......&#13;</source>
      <translation>发送数据......&#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="25" />
      <source>ChecksumError!&#13;</source>
      <translation>校验错误!&#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="26" />
      <source>SaveData......&#13;</source>
      <translation>保存数据......&#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="27" />
      <source>SaveDataEnd!&#13;</source>
      <translation>数据保存完成!&#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="28" />
      <source>ResendData!&#13;</source>
      <translation>重发数据!&#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="29" />
      <source>Resend Data!!&#13;</source>
      <translation>重发数据!!&#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="32" />
      <source>                Write Number OK!&#13;
</source>
      <translation>                号码写入成功!&#13;
</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="37" />
      <source>... and %1 more findings: Check in the list editor lists them all</source>
      <translation>... 另有 %1 项问题: 列表编辑器的"检查"会全部列出</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="42" />
      <source>Laod Max:9000 Number</source>
      <extracomment>The number list window, and the main window's "ClearNumber". "Laod" is the spelling operators know: the English stays as it is; translate the meaning (9000 numbers at most).</extracomment>
      <translation>最多载入:9000 个号码</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="43" />
      <source>Only Read:36000 Number</source>
      <translation>仅读取:36000 个号码</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="45" />
      <source>All: </source>
      <extracomment>The count line after the lines shown: kShownCount, the count, ";".</extracomment>
      <translation>全部: </translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="46" />
      <source>LoadStart...&#13;</source>
      <translation>开始载入...&#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="47" />
      <source>Load file OK! &#13;</source>
      <translation>文件载入成功! &#13;</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="48" />
      <source>ERROR</source>
      <translation>错误</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="49" />
      <location filename="../src/records/record_texts.h" line="63" />
      <location filename="../src/settings/settings_texts.h" line="37" />
      <location filename="../src/voice/voice_texts.h" line="12" />
      <source>OK!!</source>
      <extracomment>The grids' "Save as" and clear.</extracomment>
      <translation>成功!!</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="50" />
      <source>Load file OK! </source>
      <translation>文件载入成功! </translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="53" />
      <source>Replace the %1 numbers of the list?</source>
      <extracomment>Asked before an import replaces a list that holds numbers (the caption is the import's command).</extracomment>
      <translation>替换列表中的 %1 个号码?</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="55" />
      <source>   ClearOk  !!</source>
      <translation>   清空成功  !!</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="58" />
      <source>Edit number list</source>
      <extracomment>The number list editor.</extracomment>
      <translation>编辑号码列表</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="59" />
      <source>Save the changes to LoadNumber.txt?</source>
      <translation>将更改保存到 LoadNumber.txt 吗?</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="61" />
      <source>LoadNumber.txt was changed by another program since this list was opened. Replace it with this list?</source>
      <translation>打开此列表后,LoadNumber.txt 已被其他程序更改。用此列表替换它吗?</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="63" />
      <source>Nothing found in %1 lines</source>
      <translation>%1 行中未发现问题</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="64" />
      <source>%1 findings; click one to go to its line</source>
      <translation>发现 %1 项问题;点击一项可转到该行</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="67" />
      <source>%1 cannot hold "%2"</source>
      <extracomment>Why the table refused what was typed into a cell: the encoding's name or the text.</extracomment>
      <translation>%1 无法表示 "%2"</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="69" />
      <source>A field cannot hold a comma, a TAB or a line break: "%1"</source>
      <translation>字段中不能含有逗号、制表符或换行: "%1"</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="70" />
      <source>Not found: %1</source>
      <translation>未找到:%1</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="71" />
      <source>Saved %1 lines to LoadNumber.txt</source>
      <translation>已将 %1 行保存到 LoadNumber.txt</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="72" />
      <source>Total: %1</source>
      <translation>总数:%1</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="73" />
      <source>Find a group, name or number (Enter: next)</source>
      <translation>查找组号、姓名或号码(回车:下一个)</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="78" />
      <source>Outcome of the list…</source>
      <extracomment>The calling round's windows, opened from the number list window and the main window's menus; an import or a next list that left blocked numbers out says how many.</extracomment>
      <translation>列表拨打结果…</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="79" />
      <source>Numbers never to call…</source>
      <translation>禁止拨打的号码…</translation>
    </message>
    <message>
      <location filename="../src/numbers/number_texts.h" line="81" />
      <source>%1 lines with numbers never to call were left out.</source>
      <translation>已略去 %1 行禁止拨打的号码。</translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="11" />
      <source>  Error  </source>
      <extracomment>The caption of the box shown when no device is connected.</extracomment>
      <translation>  错误  </translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="16" />
      <source>Earse......&#13;</source>
      <extracomment>The erase of a flash area before a number or voice write. "Earse" is the spelling operators know: the English stays as it is. The dots and the line end are part of the memo line: keep them.</extracomment>
      <translation>擦除......&#13;</translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="21" />
      <source>LoadData......</source>
      <translation>载入数据......</translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="23" />
      <source>DataError!</source>
      <translation>数据错误!</translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="26" />
      <source>The device has not stored the block after %1 answers or silences: the write was ended.</source>
      <extracomment>A write whose block the device never stored, whatever it answered: %1 is the block's retry limit, plus the one that ended it.</extracomment>
      <translation>设备在 %1 次应答或无应答后仍未保存该数据块：写入已结束。</translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="30" />
      <source>The device was disconnected: operation ended.</source>
      <extracomment>An unplug while an operation, or Stop's or Exit's frames, ran.</extracomment>
      <translation>设备已断开:操作已结束。</translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="32" />
      <source>The device was disconnected after the work was done.</source>
      <translation>工作完成后设备已断开。</translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="35" />
      <source>Device disconnected</source>
      <extracomment>The box shown when the device goes away before an operation's work is done; its text is the operation's own.</extracomment>
      <translation>设备已断开</translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="37" />
      <source>The device was disconnected before the three frames were sent.</source>
      <translation>三帧发送完之前设备已断开。</translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="41" />
      <source>================Stop==================&#13;</source>
      <extracomment>The memo line of the Stop command, once its three frames are out: in the download window (the settings, number and voice writes) and the read window.</extracomment>
      <translation>================停止==================&#13;</translation>
    </message>
    <message>
      <location filename="../src/operation/operation_texts.h" line="42" />
      <source>================STOP==================&#13;</source>
      <translation>================停止==================&#13;</translation>
    </message>
    <message>
      <location filename="../src/records/record_export.cpp" line="216" />
      <source>1 remark longer than 126 bytes was cut at 126 (on line %2)</source>
      <translation>1 条备注超过 126 字节，已截断为 126 字节（第 %2 行）</translation>
    </message>
    <message>
      <location filename="../src/records/record_export.cpp" line="217" />
      <source>%1 remarks longer than 126 bytes were cut at 126 (the first on line %2)</source>
      <translation>%1 条备注超过 126 字节，已截断为 126 字节（第一条在第 %2 行）</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="13" />
      <source>Connected!  &#13;</source>
      <translation>已连接!  &#13;</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="14" />
      <source>Connect Error! &#13;</source>
      <translation>连接错误! &#13;</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="18" />
      <source>The device was disconnected during the read: nothing read was stored, the call lists are as they were. Connect it again and read again.</source>
      <translation>读取记录时设备已断开：读到的内容均未保存，通话列表保持原样。请重新连接设备，再次读取。</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="23" />
      <source>The %1 blocks received were discarded: nothing was stored.</source>
      <translation>已收到的 %1 个数据块已丢弃：未保存任何内容。</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="26" />
      <source>Connect Error!  </source>
      <extracomment>The read's blocks.</extracomment>
      <translation>连接错误!  </translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="27" />
      <source>Read Data......</source>
      <translation>读取数据......</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="28" />
      <source>Checksum......</source>
      <translation>校验......</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="30" />
      <source>   Receive                          error   !</source>
      <translation>   接收                          错误   !</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="31" />
      <source>Save OK!!!</source>
      <translation>保存成功!!!</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="33" />
      <source>Read OK!&#13;

</source>
      <translation>读取成功!&#13;

</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="34" />
      <source>Read CDR OK! &#13;

 </source>
      <translation>通话记录读取成功! &#13;

 </translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="36" />
      <source>Save file OK! &#13;</source>
      <translation>文件保存成功! &#13;</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="36" />
      <source>  Press [DisplayCDR] Button , display CDR ! </source>
      <translation>  按 [显示记录] 按钮,显示通话记录 ! </translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="39" />
      <source>CallOutSuccessed</source>
      <extracomment>What the grids show for the type codes "0" to "4".</extracomment>
      <translation>呼出成功</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="39" />
      <source>CallOutFailed</source>
      <extracomment>What the grids show for the type codes "0" to "4".</extracomment>
      <translation>呼出失败</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="40" />
      <source>CallInAnswer</source>
      <extracomment>What the grids show for the type codes "0" to "4".</extracomment>
      <translation>呼入已接</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="40" />
      <source>CallInMissed</source>
      <extracomment>What the grids show for the type codes "0" to "4".</extracomment>
      <translation>呼入未接</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="41" />
      <source>CallOutManual</source>
      <extracomment>What the grids show for the type codes "0" to "4".</extracomment>
      <translation>手动呼出</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="44" />
      <location filename="../src/records/record_texts.h" line="51" />
      <source>      No.</source>
      <extracomment>The grids' column headers, blanks and all.</extracomment>
      <translation>      序号</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="45" />
      <source>      CallOut</source>
      <extracomment>The grids' column headers, blanks and all.</extracomment>
      <translation>      呼出号码</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="46" />
      <source>            Type</source>
      <extracomment>The grids' column headers, blanks and all.</extracomment>
      <translation>            类型</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="47" />
      <location filename="../src/records/record_texts.h" line="54" />
      <source> Group</source>
      <extracomment>The grids' column headers, blanks and all.</extracomment>
      <translation> 组</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="48" />
      <location filename="../src/records/record_texts.h" line="55" />
      <source>               Date</source>
      <extracomment>The grids' column headers, blanks and all.</extracomment>
      <translation>               日期</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="49" />
      <location filename="../src/records/record_texts.h" line="56" />
      <source> Duration</source>
      <extracomment>The grids' column headers, blanks and all.</extracomment>
      <translation> 时长</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="50" />
      <source>                               Remark</source>
      <extracomment>The grids' column headers, blanks and all.</extracomment>
      <translation>                               备注</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="52" />
      <source>       CallIn</source>
      <translation>       呼入号码</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="53" />
      <source>             Type</source>
      <translation>             类型</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="57" />
      <source>                                Remark</source>
      <translation>                                备注</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="60" />
      <source>关闭软件</source>
      <extracomment>The display window's popup menu: its one entry closes the window.</extracomment>
      <translation>关闭软件</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="64" />
      <source>Restore</source>
      <translation>保存</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="65" />
      <source>  Replac？</source>
      <translation>  替换？</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="66" />
      <source>Save File</source>
      <translation>保存文件</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="67" />
      <source>  Replace？</source>
      <translation>  替换？</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="68" />
      <source>  Save OK!!</source>
      <translation>  保存成功!!</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="69" />
      <source>    Save  OK!!</source>
      <translation>    保存  成功!!</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="71" />
      <source>   Clear Ok  !!</source>
      <translation>   清空成功  !!</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="74" />
      <source>Save as</source>
      <extracomment>"Save as" on a filtered grid asks which lines go out (%1 shown, %2 in the list), and says how many went.</extracomment>
      <translation>另存为</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="76" />
      <source>The filter shows %1 of the %2 lines of this list. Which lines are saved?</source>
      <translation>筛选显示了本列表 %2 行中的 %1 行。要保存哪些行？</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="77" />
      <source>The %1 lines shown</source>
      <translation>显示的 %1 行</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="78" />
      <source>All %1 lines</source>
      <translation>全部 %1 行</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="79" />
      <source>Lines saved: %1</source>
      <translation>已保存行数：%1</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="81" />
      <source>Clear all %1 call records?</source>
      <extracomment>A grid's clear asks first; %1 is the count.</extracomment>
      <translation>清空全部 %1 条通话记录?</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="84" />
      <location filename="../src/records/record_texts.h" line="86" />
      <source>     Save   OK!!</source>
      <extracomment>The display window's confirmations, one per kind.</extracomment>
      <translation>     保存   成功!!</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="85" />
      <source>      Save  OK!!</source>
      <translation>      保存  成功!!</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="87" />
      <source>    Save   OK!!</source>
      <translation>    保存   成功!!</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="88" />
      <source>      Save    OK!!</source>
      <translation>      保存    成功!!</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="91" />
      <source>All types</source>
      <extracomment>The filter bar above a call record grid.</extracomment>
      <translation>所有类型</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="92" />
      <source>Number (a part)</source>
      <translation>号码(部分)</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="93" />
      <source>In group</source>
      <translation>组号</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="94" />
      <source>From day</source>
      <translation>起始日</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="95" />
      <source>To day</source>
      <translation>截止日</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="97" />
      <source>%1 of %2</source>
      <extracomment>The rows shown of all the lines: "12 of 3400".</extracomment>
      <translation>%1 / %2</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="99" />
      <source>Not a day: write it as 2026-12-08 or 2026/12/8</source>
      <translation>不是日期:请写成 2026-12-08 或 2026/12/8</translation>
    </message>
    <message>
      <location filename="../src/records/record_texts.h" line="101" />
      <source>Day as 2026-12-08</source>
      <extracomment>Said beside the day fields, in place of the count, while one cannot be read.</extracomment>
      <translation>日期格式 2026-12-08</translation>
    </message>
    <message>
      <location filename="../src/round/block_list.cpp" line="19" />
      <source>line %1 holds "%2", which is not a number: one number a line, digits only</source>
      <translation>第 %1 行为"%2",不是号码: 每行一个号码,只能是数字</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_files.cpp" line="57" />
      <source>The first day, %1, is after the last, %2: no day to count</source>
      <translation>起始日期 %1 晚于结束日期 %2: 没有可统计的日期</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="21" />
      <source>%1 number: %2 reached, %3 dialled and not reached, %4 never dialled</source>
      <translation>%1 个号码: %2 个已接通,%3 个已拨打未接通,%4 个从未拨打</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="22" />
      <source>%1 numbers: %2 reached, %3 dialled and not reached, %4 never dialled</source>
      <translation>%1 个号码: %2 个已接通,%3 个已拨打未接通,%4 个从未拨打</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="32" />
      <source>%1 calls of numbers not on the list</source>
      <translation>%1 次通话的号码不在列表中</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="37" />
      <source>%1 lines of %2 could not be read and are not counted, the first: line %3: %4</source>
      <translation>%2 中有 %1 行无法读取,未计入,第一处: 第 %3 行: %4</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="49" />
      <source>reached</source>
      <translation>已接通</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="51" />
      <source>not reached</source>
      <translation>未接通</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="55" />
      <source>never dialled</source>
      <translation>从未拨打</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="59" />
      <source>connected</source>
      <translation>接通</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="59" />
      <source>failed</source>
      <translation>失败</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="78" />
      <source>Number</source>
      <translation>号码</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="78" />
      <source>Name</source>
      <translation>姓名</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="78" />
      <location filename="../src/statistics/statistics_report.cpp" line="294" />
      <location filename="../src/statistics/statistics_window.cpp" line="216" />
      <source>Group</source>
      <translation>组</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="79" />
      <source>Lines</source>
      <translation>行</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="79" />
      <location filename="../src/statistics/call_statistics.cpp" line="122" />
      <source>Calls</source>
      <translation>通话</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="79" />
      <source>Connected</source>
      <translation>接通</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="80" />
      <location filename="../src/statistics/call_statistics.cpp" line="120" />
      <location filename="../src/statistics/chart_painter.cpp" line="24" />
      <source>Failed</source>
      <translation>失败</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="80" />
      <source>Last call</source>
      <translation>最后通话</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="80" />
      <source>Last result</source>
      <translation>最后结果</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="81" />
      <location filename="../src/statistics/call_statistics.cpp" line="123" />
      <source>Talking time</source>
      <translation>通话时间</translation>
    </message>
    <message>
      <location filename="../src/round/outcome_table.cpp" line="81" />
      <source>Outcome</source>
      <translation>结果</translation>
    </message>
    <message>
      <location filename="../src/round/round_texts.h" line="12" />
      <source>Save the numbers not reached as a list…</source>
      <translation>将未接通的号码另存为列表…</translation>
    </message>
    <message>
      <location filename="../src/round/round_texts.h" line="13" />
      <source>Replace LoadNumber.txt with them…</source>
      <translation>用它们替换 LoadNumber.txt…</translation>
    </message>
    <message>
      <location filename="../src/round/round_texts.h" line="17" />
      <source>Replace the %1 lines of LoadNumber.txt with the %2 lines not reached?</source>
      <translation>用 %2 行未接通的号码替换 LoadNumber.txt 的 %1 行?</translation>
    </message>
    <message>
      <location filename="../src/round/round_texts.h" line="19" />
      <source>LoadNumber.txt changed since its outcome was shown; nothing was written. Refresh the outcome and try again.</source>
      <translation>显示结果之后 LoadNumber.txt 已被修改,未写入任何内容。请刷新结果后重试。</translation>
    </message>
    <message>
      <location filename="../src/round/round_texts.h" line="22" />
      <source>No line of the list is left to call: nothing was written.</source>
      <translation>列表中没有需要再拨打的行,未写入任何内容。</translation>
    </message>
    <message>
      <location filename="../src/round/round_texts.h" line="23" />
      <source>%1 lines written to %2.</source>
      <translation>已将 %1 行写入 %2。</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="34" />
      <source>-ON-</source>
      <translation>-开-</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="35" />
      <source>Ban</source>
      <translation>禁止</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="35" />
      <source>Allow</source>
      <translation>允许</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="37" />
      <source>SpkVol</source>
      <translation>扬声器音量</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="38" />
      <location filename="../src/settings/settings_form.cpp" line="40" />
      <location filename="../src/settings/settings_form.cpp" line="45" />
      <location filename="../src/settings/settings_form.cpp" line="47" />
      <location filename="../src/settings/settings_form.cpp" line="49" />
      <location filename="../src/settings/settings_form.cpp" line="51" />
      <location filename="../src/settings/settings_form.cpp" line="57" />
      <location filename="../src/settings/settings_form.cpp" line="67" />
      <source>Vol:</source>
      <translation>音量:</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="39" />
      <source>MicVol</source>
      <translation>麦克风音量</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="41" />
      <source>ForwardDtmf</source>
      <translation>转接按键</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="42" />
      <source>AutoForwardTalking</source>
      <translation>自动转接通话</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="43" />
      <location filename="../src/settings/settings_form.cpp" line="53" />
      <source> S</source>
      <translation> 秒</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="44" />
      <source>MusicTxVol</source>
      <translation>音乐上行音量</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="46" />
      <source>MusicRxVol</source>
      <translation>音乐下行音量</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="48" />
      <source>MoniterClienteleVol</source>
      <translation>监听客户音量</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="50" />
      <source>ForwardRingVol</source>
      <translation>转接振铃音量</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="52" />
      <source>SendSmsAnswerd</source>
      <translation>接通后发短信</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="54" />
      <source>SendSmsToHost</source>
      <translation>给主机发短信</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="55" />
      <source>SendSmsToClientele</source>
      <translation>给客户发短信</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="56" />
      <source>RingTone</source>
      <translation>铃声</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="57" />
      <source>RingVol</source>
      <translation>铃声音量</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="58" />
      <source>CallOutAllowOutsidePB</source>
      <translation>呼出允许电话簿外</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="59" />
      <source>CallInAllowOutsidePB</source>
      <translation>呼入允许电话簿外</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="61" />
      <source>CallOutMode</source>
      <translation>呼出方式</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="63" />
      <source>Normal</source>
      <translation>普通</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="63" />
      <source>CallBack</source>
      <translation>回拨</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="64" />
      <source>CallInMode</source>
      <translation>呼入方式</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="64" />
      <source>ZEL</source>
      <translation>ZEL</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="64" />
      <source>Phone</source>
      <translation>电话</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="65" />
      <source>RecordingSwitch</source>
      <translation>录音开关</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="66" />
      <source>RingBackToneVol</source>
      <translation>回铃音音量</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="69" />
      <source>ZEL Mode</source>
      <translation>ZEL 模式</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="71" />
      <source>[1]Unattended</source>
      <translation>[1]无人值守</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="71" />
      <source>[2]OnDuty</source>
      <translation>[2]值班</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="71" />
      <source>[3]Forward</source>
      <translation>[3]转接</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="72" />
      <source>[4]QuickRing</source>
      <translation>[4]快速振铃</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="74" />
      <source>Task Work</source>
      <translation>定时任务</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="82" />
      <source> H</source>
      <translation> 时</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="83" />
      <source> M</source>
      <translation> 分</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="100" />
      <source>DelayedCall</source>
      <translation>呼叫间隔</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="101" />
      <source>AnsweredWait</source>
      <translation>接听等待</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="102" />
      <source>PlayMusicMaxTime</source>
      <translation>放音最长时间</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="103" />
      <source>WaitingServiceTime</source>
      <translation>等待服务时间</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="104" />
      <source>ServiceMaxTime</source>
      <translation>服务最长时间</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="105" />
      <source>Host Number</source>
      <translation>主机号码</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_form.cpp" line="107" />
      <source>CallTimesStartZel</source>
      <translation>开始拨号次数</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="10" />
      <source>Connecting......</source>
      <extracomment>The settings write's handshake.</extracomment>
      <translation>连接中......</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="11" />
      <source>Connected   </source>
      <translation>已连接   </translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="12" />
      <source>Connect Error!</source>
      <translation>连接错误!</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="16" />
      <source>The device was disconnected while the settings were written: the settings in the device may now be incomplete. Connect it again and write the settings again.</source>
      <translation>写设置时设备已断开：设备中的设置现在可能不完整。请重新连接设备，再次写入设置。</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="20" />
      <source>Load ......</source>
      <extracomment>The settings write's block.</extracomment>
      <translation>载入 ......</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="21" />
      <source>Send......</source>
      <translation>发送......</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="24" />
      <source>CheckSum Error!</source>
      <translation>校验错误!</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="25" />
      <source>Data Error!  </source>
      <translation>数据错误!  </translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="26" />
      <source>Data Error!</source>
      <translation>数据错误!</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="27" />
      <source>  Data Error!</source>
      <translation>  数据错误!</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="28" />
      <source>Time Out!!!&#13;</source>
      <translation>超时!!!&#13;</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="29" />
      <source>Save OK!&#13;</source>
      <translation>保存成功!&#13;</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="32" />
      <source>            Write Setting OK!&#13;</source>
      <translation>            设置写入成功!&#13;</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="34" />
      <source>  Write Setting OK!</source>
      <translation>  设置写入成功!</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="38" />
      <source>  Save Setting !!</source>
      <translation>  设置已保存 !!</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="39" />
      <source>  DefaultSetting OK!!  </source>
      <translation>  已恢复默认设置!!  </translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="43" />
      <source>%1: "%2" is not a number (digits only); nothing was saved.</source>
      <translation>%1: "%2" 不是数字(只能输入数字);未保存任何内容。</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="45" />
      <source>%1: "%2" is not a telephone number (digits only); nothing was saved.</source>
      <translation>%1: "%2" 不是电话号码(只能输入数字);未保存任何内容。</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="49" />
      <source>%1: %2; nothing was sent to the device.</source>
      <extracomment>The settings write's refusal of Config.txt's values that the block cannot carry: the file, then a clause for each field (a label and its value, or the key and value as the file holds them).</extracomment>
      <translation>%1: %2;未向设备发送任何内容。</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="50" />
      <source>%1 is not a number</source>
      <translation>%1 不是数字</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="52" />
      <source>%1 is not a telephone number of at most 16 digits</source>
      <translation>%1 不是不超过 16 位数字的电话号码</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="55" />
      <source>%1 of %2 bytes</source>
      <extracomment>Below the SMS box, as it is typed: its bytes in the chosen encoding and the most the settings block holds.</extracomment>
      <translation>%1 / %2 字节</translation>
    </message>
    <message>
      <location filename="../src/settings/settings_texts.h" line="58" />
      <source>Close the settings without saving your changes?</source>
      <translation>不保存更改就关闭设置吗?</translation>
    </message>
    <message>
      <location filename="../src/statistics/call_statistics.cpp" line="120" />
      <location filename="../src/statistics/chart_painter.cpp" line="24" />
      <source>Succeeded</source>
      <translation>成功</translation>
    </message>
    <message>
      <location filename="../src/statistics/call_statistics.cpp" line="121" />
      <location filename="../src/statistics/chart_painter.cpp" line="25" />
      <source>Missed</source>
      <translation>未接</translation>
    </message>
    <message>
      <location filename="../src/statistics/call_statistics.cpp" line="121" />
      <location filename="../src/statistics/chart_painter.cpp" line="26" />
      <source>Manual</source>
      <translation>手动</translation>
    </message>
    <message>
      <location filename="../src/statistics/call_statistics.cpp" line="122" />
      <source>Success rate</source>
      <translation>成功率</translation>
    </message>
    <message>
      <location filename="../src/statistics/call_statistics.cpp" line="122" />
      <source>Answer rate</source>
      <translation>接听率</translation>
    </message>
    <message>
      <location filename="../src/statistics/call_statistics.cpp" line="123" />
      <source>Average talk</source>
      <translation>平均通话</translation>
    </message>
    <message>
      <location filename="../src/statistics/chart_painter.cpp" line="32" />
      <source>Calls per day, %1</source>
      <translation>每日通话,%1</translation>
    </message>
    <message>
      <location filename="../src/statistics/chart_painter.cpp" line="33" />
      <source>Calls per week (from Monday), %1</source>
      <translation>每周通话(从周一起),%1</translation>
    </message>
    <message>
      <location filename="../src/statistics/chart_painter.cpp" line="34" />
      <source>Calls per month, %1</source>
      <translation>每月通话,%1</translation>
    </message>
    <message>
      <location filename="../src/transports/transport_texts.h" line="10" />
      <source>fpInit Fail!</source>
      <extracomment>The HID layer could not start: the message the start-up shows.</extracomment>
      <translation>初始化失败!</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="13" />
      <source>  语音文件打开 OK !!</source>
      <translation>  语音文件打开 OK !!</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="16" />
      <source>   连接中......&#13;</source>
      <extracomment>The voice write's handshake.</extracomment>
      <translation>   连接中......&#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="17" />
      <source>Connected &#13;</source>
      <translation>已连接 &#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="19" />
      <source>   连接失败 &#13;</source>
      <translation>   连接失败 &#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="19" />
      <source>   请检查数据线连接是否正确 &#13;</source>
      <translation>   请检查数据线连接是否正确 &#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="20" />
      <source>   请检查ZAR是否开机&#13;</source>
      <translation>   请检查ZAR是否开机&#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="20" />
      <source>   检查完成后,再连接&#13;</source>
      <translation>   检查完成后,再连接&#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="21" />
      <source>   没有连接!!  </source>
      <translation>   没有连接!!  </translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="24" />
      <source>The device was disconnected while the voice prompt was written: the device's voice prompt may now be incomplete. Connect it again and write the voice prompt again.</source>
      <translation>写语音时设备已断开：设备中的语音现在可能不完整。请重新连接设备，再次写入语音。</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="30" />
      <source>ConnectFailed &#13;</source>
      <extracomment>The voice write's erase and blocks, memo lines in the spelling operators know ("Earse", "Trasmit"): the English stays as it is; keep the line ends.</extracomment>
      <translation>连接失败 &#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="31" />
      <source>EarseEnd &#13;</source>
      <translation>擦除完成 &#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="32" />
      <source>Trasmit......&#13;</source>
      <translation>传输......&#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="33" />
      <source>ChecksumError !!!&#13;</source>
      <translation>校验错误 !!!&#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="34" />
      <source>Save......&#13;</source>
      <translation>保存......&#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="35" />
      <source>SaveEnd!!!&#13;</source>
      <translation>保存完成!!!&#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="36" />
      <source>ReSend!!!&#13;</source>
      <translation>重发!!!&#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="39" />
      <source>             写语音完成!!!&#13;</source>
      <translation>             写语音完成!!!&#13;</translation>
    </message>
    <message>
      <location filename="../src/voice/voice_texts.h" line="42" />
      <source>  写语音完成!</source>
      <translation>  写语音完成!</translation>
    </message>
  </context>
</TS>

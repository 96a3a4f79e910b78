<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
  <context>
    <name>Mervadin</name>
    <message>
      <source>Warning!</source>
      <translation>警告!</translation>
    </message>
    <message>
      <source>Password ERROR!!</source>
      <translation>密码错误!!</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
    <message>
      <source>New Password OK!!</source>
      <translation>新密码设置成功!!</translation>
    </message>
    <message>
      <source>Warning</source>
      <translation>警告</translation>
    </message>
    <message>
      <source>Old Password ERROR!!</source>
      <translation>旧密码错误!!</translation>
    </message>
    <message>
      <source>New Password ERROR!!</source>
      <translation>新密码错误!!</translation>
    </message>
    <message>
      <source>Old  Password  </source>
      <translation>旧密码  </translation>
    </message>
    <message>
      <source>New Password  </source>
      <translation>新密码  </translation>
    </message>
    <message>
      <source>ChangePassword</source>
      <translation>修改密码</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>确认</translation>
    </message>
    <message>
      <source>Exit</source>
      <translation>退出</translation>
    </message>
    <message>
      <source>PasswordCheck</source>
      <translation>密码验证</translation>
    </message>
    <message>
      <source>Log In</source>
      <translation>登录</translation>
    </message>
    <message>
      <source>Change Password</source>
      <translation>修改密码</translation>
    </message>
    <message>
      <source>EXIT</source>
      <translation>退出</translation>
    </message>
    <message>
      <source>Enter  Password</source>
      <translation>请输入密码</translation>
    </message>
    <message>
      <source>Mervadin Ver:A00-002</source>
      <translation>Mervadin 版本:A00-002</translation>
    </message>
    <message>
      <source>   No Connect!  </source>
      <translation>   未连接!  </translation>
    </message>
    <message>
      <source>   No Connect!!  </source>
      <translation>   未连接!!  </translation>
    </message>
    <message>
      <source>ClearNumber</source>
      <translation>清空号码</translation>
    </message>
    <message>
      <source>Clear all %1 numbers?</source>
      <translation>清空全部 %1 个号码?</translation>
    </message>
    <message>
      <source>Message</source>
      <translation>消息</translation>
    </message>
    <message>
      <source>Current Data: </source>
      <translation>当前数据: </translation>
    </message>
    <message>
      <source>Connect ZEL</source>
      <translation>连接 ZEL</translation>
    </message>
    <message>
      <source>Clear Callout CDR List</source>
      <translation>清空呼出记录列表</translation>
    </message>
    <message>
      <source>Clear Callin CDR list</source>
      <translation>清空呼入记录列表</translation>
    </message>
    <message>
      <source>WriteData</source>
      <translation>写入数据</translation>
    </message>
    <message>
      <source>WriteSetting</source>
      <translation>写入设置</translation>
    </message>
    <message>
      <source>WriteNumber</source>
      <translation>写入号码</translation>
    </message>
    <message>
      <source>Stop</source>
      <translation>停止</translation>
    </message>
    <message>
      <source>Text encoding</source>
      <translation>文本编码</translation>
    </message>
    <message>
      <source>The data files in %1 are not UTF-8 text but read cleanly as GB18030 (Chinese Windows). Read and write them as GB18030 from now on? (The choice can be changed in the main window's popup menu, "Text encoding".)</source>
      <translation>%1 中的数据文件不是 UTF-8 文本,但可以按 GB18030(中文 Windows)完整读取。今后按 GB18030 读写这些文件吗?(可在主窗口右键菜单的"文本编码"中更改。)</translation>
    </message>
    <message>
      <source>USB</source>
      <translation>USB</translation>
    </message>
    <message>
      <source>USB: red while a device is connected</source>
      <translation>USB:设备连接时为红色</translation>
    </message>
    <message>
      <source>Setting</source>
      <translation>设置</translation>
    </message>
    <message>
      <source>LoadNumber</source>
      <translation>载入号码</translation>
    </message>
    <message>
      <source>DisplayCdr</source>
      <translation>显示记录</translation>
    </message>
    <message>
      <source>DownLoad</source>
      <translation>下载</translation>
    </message>
    <message>
      <source>ReadCdr</source>
      <translation>读取记录</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <source>Remark</source>
      <translation>备注</translation>
    </message>
    <message>
      <source>CallOutList</source>
      <translation>呼出列表</translation>
    </message>
    <message>
      <source>CallInList</source>
      <translation>呼入列表</translation>
    </message>
    <message>
      <source> [simulated device]</source>
      <translation> [模拟设备]</translation>
    </message>
    <message>
      <source>The device in use, when several are attached</source>
      <translation>连接多台设备时正在使用的设备</translation>
    </message>
    <message>
      <source>Simulator</source>
      <translation>模拟器</translation>
    </message>
    <message>
      <source> (simulated device)</source>
      <translation> (模拟设备)</translation>
    </message>
    <message>
      <source> - the device was disconnected while monitoring</source>
      <translation> - 监控时设备已断开</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>文件(&amp;F)</translation>
    </message>
    <message>
      <source>Callout CDR Save as </source>
      <translation>呼出记录另存为 </translation>
    </message>
    <message>
      <source>Callin CDR Save as</source>
      <translation>呼入记录另存为</translation>
    </message>
    <message>
      <source>&amp;Device</source>
      <translation>设备(&amp;D)</translation>
    </message>
    <message>
      <source>&amp;Monitor</source>
      <translation>监控(&amp;M)</translation>
    </message>
    <message>
      <source>M-module Spk Vol Add</source>
      <translation>主模块扬声器音量加</translation>
    </message>
    <message>
      <source>M-module Spk Vol Sub</source>
      <translation>主模块扬声器音量减</translation>
    </message>
    <message>
      <source>M-module Mic Vol Add</source>
      <translation>主模块麦克风音量加</translation>
    </message>
    <message>
      <source>M-module Mic Vol Sub</source>
      <translation>主模块麦克风音量减</translation>
    </message>
    <message>
      <source>&amp;Records</source>
      <translation>记录(&amp;R)</translation>
    </message>
    <message>
      <source>Statistics</source>
      <translation>统计</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>选项(&amp;O)</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>帮助(&amp;H)</translation>
    </message>
    <message>
      <source>Brief introduction</source>
      <translation>简介</translation>
    </message>
    <message>
      <source>ReadCDR</source>
      <translation>读取记录</translation>
    </message>
    <message>
      <source>DisplayCDR</source>
      <translation>显示记录</translation>
    </message>
    <message>
      <source>Display CDR</source>
      <translation>显示记录</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>语言</translation>
    </message>
    <message>
      <source>The windows will be in this language from the next start.</source>
      <translation>下次启动时窗口将使用此语言。</translation>
    </message>
    <message>
      <source>Text encoding: </source>
      <translation>文本编码: </translation>
    </message>
    <message>
      <source>remark</source>
      <translation>备注</translation>
    </message>
    <message>
      <source>Simulated device</source>
      <translation>模拟设备</translation>
    </message>
    <message>
      <source>Plug in</source>
      <translation>插入</translation>
    </message>
    <message>
      <source>Unplug</source>
      <translation>拔出</translation>
    </message>
    <message>
      <source>Model:</source>
      <translation>型号:</translation>
    </message>
    <message>
      <source>Holds:</source>
      <translation>存有:</translation>
    </message>
    <message>
      <source>Plugged in</source>
      <translation>已插入</translation>
    </message>
    <message>
      <source>Unplugged</source>
      <translation>已拔出</translation>
    </message>
    <message>
      <source>Settings written (1 time)</source>
      <translation>已写入设置(1 次)</translation>
    </message>
    <message>
      <source>Settings written (%1 times)</source>
      <translation>已写入设置(%1 次)</translation>
    </message>
    <message>
      <source>No settings written</source>
      <translation>未写入设置</translation>
    </message>
    <message>
      <source>%1 numbers in %2 blocks</source>
      <translation>%1 个号码, 存于 %2 块</translation>
    </message>
    <message>
      <source>%1 call records</source>
      <translation>%1 条通话记录</translation>
    </message>
    <message>
      <source>No voice prompt</source>
      <translation>无语音提示</translation>
    </message>
    <message>
      <source>A voice prompt of %1 bytes</source>
      <translation>语音提示 %1 字节</translation>
    </message>
    <message>
      <source>In a read or write now</source>
      <translation>正在读取或写入</translation>
    </message>
    <message>
      <source>Dialing</source>
      <translation>正在拨号</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>错误</translation>
    </message>
    <message>
      <source>The file has already exist!!</source>
      <translation>文件已存在!!</translation>
    </message>
    <message>
      <source>-OFF-</source>
      <translation>-关-</translation>
    </message>
    <message>
      <source>USB Connected</source>
      <translation>USB 已连接</translation>
    </message>
    <message>
      <source>USB No Connect</source>
      <translation>USB 未连接</translation>
    </message>
    <message>
      <source>Monitor</source>
      <translation>监控</translation>
    </message>
    <message>
      <source>Monitor: green while the monitor runs</source>
      <translation>监控:监控运行时为绿色</translation>
    </message>
    <message>
      <source>Frames</source>
      <translation>帧数</translation>
    </message>
    <message>
      <source>Status frames received intact since MonitorON</source>
      <translation>自开始监控以来完整收到的状态帧数</translation>
    </message>
    <message>
      <source>MonitorON</source>
      <translation>开始监控</translation>
    </message>
    <message>
      <source>MonitorOFF</source>
      <translation>停止监控</translation>
    </message>
    <message>
      <source>ZelStart</source>
      <translation>开始拨号</translation>
    </message>
    <message>
      <source>ZelStop</source>
      <translation>停止拨号</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>转接</translation>
    </message>
    <message>
      <source>SendSms</source>
      <translation>发送短信</translation>
    </message>
    <message>
      <source>MoniterOn</source>
      <translation>开始监控</translation>
    </message>
    <message>
      <source>MoniterOff</source>
      <translation>停止监控</translation>
    </message>
    <message>
      <source>Zel Start</source>
      <translation>开始拨号</translation>
    </message>
    <message>
      <source>Zel End</source>
      <translation>停止拨号</translation>
    </message>
    <message>
      <source>Send SMS</source>
      <translation>发送短信</translation>
    </message>
    <message>
      <source>Speaker / Mic</source>
      <translation>扬声器/麦克风</translation>
    </message>
    <message>
      <source>Speaker level of the master module, as the device reports it; a level chosen here is sent with the answer to the next status frame</source>
      <translation>主模块扬声器音量(设备报告的值);在此选择的音量随下一状态帧的应答发送</translation>
    </message>
    <message>
      <source>Microphone level of the master module, as the device reports it; a level chosen here is sent with the answer to the next status frame</source>
      <translation>主模块麦克风音量(设备报告的值);在此选择的音量随下一状态帧的应答发送</translation>
    </message>
    <message>
      <source>Numbers in the number list at start; while monitoring, after "/", the device's call counter</source>
      <translation>启动时号码列表中的号码数;监控时"/"后为设备的呼叫计数</translation>
    </message>
    <message>
      <source>Signal</source>
      <translation>信号</translation>
    </message>
    <message>
      <source>Signal quality the device reports (0-31)</source>
      <translation>设备报告的信号质量(0-31)</translation>
    </message>
    <message>
      <source>Signal strength: one bar from 1, two from 7, three from 10, four from 13</source>
      <translation>信号强度:1 起一格,7 起两格,10 起三格,13 起四格</translation>
    </message>
    <message>
      <source>PowerOn</source>
      <translation>开机</translation>
    </message>
    <message>
      <source>Idel</source>
      <translation>空闲</translation>
    </message>
    <message>
      <source>Ring</source>
      <translation>振铃</translation>
    </message>
    <message>
      <source>Answer</source>
      <translation>接听</translation>
    </message>
    <message>
      <source>WaitSevice</source>
      <translation>等待服务</translation>
    </message>
    <message>
      <source>ProvidingService</source>
      <translation>服务中</translation>
    </message>
    <message>
      <source>Conneting</source>
      <translation>连接中</translation>
    </message>
    <message>
      <source>NoAnswer</source>
      <translation>无应答</translation>
    </message>
    <message>
      <source>CalledRing</source>
      <translation>被叫振铃</translation>
    </message>
    <message>
      <source>Answered</source>
      <translation>已接听</translation>
    </message>
    <message>
      <source>Foword</source>
      <translation>转接</translation>
    </message>
    <message>
      <source>FowordAnswer</source>
      <translation>转接已接听</translation>
    </message>
    <message>
      <source>SmsSendOk</source>
      <translation>短信发送成功</translation>
    </message>
    <message>
      <source>SmsSendFailed</source>
      <translation>短信发送失败</translation>
    </message>
    <message>
      <source>SmsSending</source>
      <translation>短信发送中</translation>
    </message>
    <message>
      <source>M-Station:</source>
      <translation>主站:</translation>
    </message>
    <message>
      <source>; M-number:</source>
      <translation>; 主号码:</translation>
    </message>
    <message>
      <source>; key:</source>
      <translation>; 按键:</translation>
    </message>
    <message>
      <source>; No.:</source>
      <translation>; 序号:</translation>
    </message>
    <message>
      <source>;Talking:</source>
      <translation>;通话:</translation>
    </message>
    <message>
      <source>; M-SPK:</source>
      <translation>; 主扬声器:</translation>
    </message>
    <message>
      <source>; M-MIC:</source>
      <translation>; 主麦克风:</translation>
    </message>
    <message>
      <source>SpkVol:</source>
      <translation>扬声器:</translation>
    </message>
    <message>
      <source>MicVol:</source>
      <translation>麦克风:</translation>
    </message>
    <message>
      <source>Total:</source>
      <translation>总数:</translation>
    </message>
    <message>
      <source>SendSms: the device is asked to send the SMS (with the next answer)</source>
      <translation>发送短信：已请求设备发送短信（随下一次应答发出）</translation>
    </message>
    <message>
      <source>SendSms: the monitor is off; press MonitorON first</source>
      <translation>发送短信：监控未开启，请先按“开始监控”</translation>
    </message>
    <message>
      <source>with a NUMBER that holds other characters than digits</source>
      <translation>的号码含有数字以外的字符</translation>
    </message>
    <message>
      <source>%1 number with other characters than digits</source>
      <translation>%1 个号码含非数字字符</translation>
    </message>
    <message>
      <source>%1 numbers with other characters than digits</source>
      <translation>%1 个号码含非数字字符</translation>
    </message>
    <message>
      <source>the NUMBER holds other characters than digits</source>
      <translation>号码含有数字以外的字符</translation>
    </message>
    <message>
      <source>with a NUMBER longer than 13 digits, cut at 13</source>
      <translation>的号码超过 13 位,截为 13 位</translation>
    </message>
    <message>
      <source>%1 number cut at 13 digits</source>
      <translation>%1 个号码截为 13 位</translation>
    </message>
    <message>
      <source>%1 numbers cut at 13 digits</source>
      <translation>%1 个号码截为 13 位</translation>
    </message>
    <message>
      <source>the NUMBER is longer than 13 digits (cut at 13)</source>
      <translation>号码超过 13 位(截为 13 位)</translation>
    </message>
    <message>
      <source>with a NAME longer than 16 bytes, cut</source>
      <translation>的姓名超过 16 字节,被截断</translation>
    </message>
    <message>
      <source>%1 name cut</source>
      <translation>%1 个姓名被截断</translation>
    </message>
    <message>
      <source>%1 names cut</source>
      <translation>%1 个姓名被截断</translation>
    </message>
    <message>
      <source>the NAME is longer than 16 bytes (cut)</source>
      <translation>姓名超过 16 字节(被截断)</translation>
    </message>
    <message>
      <source>with no NUMBER</source>
      <translation>没有号码</translation>
    </message>
    <message>
      <source>%1 empty number</source>
      <translation>%1 个号码为空</translation>
    </message>
    <message>
      <source>%1 empty numbers</source>
      <translation>%1 个号码为空</translation>
    </message>
    <message>
      <source>the NUMBER is empty</source>
      <translation>号码为空</translation>
    </message>
    <message>
      <source>with no NAME</source>
      <translation>没有姓名</translation>
    </message>
    <message>
      <source>%1 empty name</source>
      <translation>%1 个姓名为空</translation>
    </message>
    <message>
      <source>%1 empty names</source>
      <translation>%1 个姓名为空</translation>
    </message>
    <message>
      <source>the NAME is empty</source>
      <translation>姓名为空</translation>
    </message>
    <message>
      <source>with a GROUP outside 0 to 999999</source>
      <translation>的组号超出 0 到 999999</translation>
    </message>
    <message>
      <source>%1 group out of range</source>
      <translation>%1 个组号超出范围</translation>
    </message>
    <message>
      <source>%1 groups out of range</source>
      <translation>%1 个组号超出范围</translation>
    </message>
    <message>
      <source>the GROUP is outside 0 to 999999</source>
      <translation>组号超出 0 到 999999</translation>
    </message>
    <message>
      <source>with a NUL byte, where the device ends the NAME or NUMBER</source>
      <translation>含 NUL 字节，设备会在该处截断姓名或号码</translation>
    </message>
    <message>
      <source>%1 line with a NUL byte</source>
      <translation>%1 行含 NUL 字节</translation>
    </message>
    <message>
      <source>%1 lines with a NUL byte</source>
      <translation>%1 行含 NUL 字节</translation>
    </message>
    <message>
      <source>the line holds a NUL byte: the device ends the NAME or NUMBER there</source>
      <translation>该行含有 NUL 字节：设备会在该处截断姓名或号码</translation>
    </message>
    <message>
      <source>with text after the NUMBER (a third field), not sent</source>
      <translation>号码后还有文字（第三个字段），不会发送</translation>
    </message>
    <message>
      <source>%1 third field</source>
      <translation>%1 个第三字段</translation>
    </message>
    <message>
      <source>%1 third fields</source>
      <translation>%1 个第三字段</translation>
    </message>
    <message>
      <source>text after the NUMBER (a third field) is not sent</source>
      <translation>号码后的文字（第三个字段）不会发送</translation>
    </message>
    <message>
      <source>with a control character in the NAME</source>
      <translation>姓名中含控制字符</translation>
    </message>
    <message>
      <source>%1 name with a control character</source>
      <translation>%1 个姓名含控制字符</translation>
    </message>
    <message>
      <source>%1 names with a control character</source>
      <translation>%1 个姓名含控制字符</translation>
    </message>
    <message>
      <source>the NAME holds a control character, which call records cannot show as it is</source>
      <translation>姓名含有控制字符，通话记录无法原样显示</translation>
    </message>
    <message>
      <source>beyond the 9000 numbers the device holds (only the first 9008 lines are sent)</source>
      <translation>超出设备可保存的 9000 个号码（只发送前 9008 行）</translation>
    </message>
    <message>
      <source>%1 line beyond 9000</source>
      <translation>%1 行超出 9000</translation>
    </message>
    <message>
      <source>%1 lines beyond 9000</source>
      <translation>%1 行超出 9000</translation>
    </message>
    <message>
      <source>the list is longer than the 9000 numbers the device holds (only its first 9008 lines are sent)</source>
      <translation>名单超出设备可保存的 9000 个号码（只发送其前 9008 行）</translation>
    </message>
    <message>
      <source>with a NUMBER an earlier line holds</source>
      <translation>的号码与前面的行重复</translation>
    </message>
    <message>
      <source>%1 duplicate number</source>
      <translation>%1 个重复号码</translation>
    </message>
    <message>
      <source>%1 duplicate numbers</source>
      <translation>%1 个重复号码</translation>
    </message>
    <message>
      <source>the NUMBER is also on line </source>
      <translation>号码重复,见行 </translation>
    </message>
    <message>
      <source>with a NUMBER never to call (BlockList.txt), left out</source>
      <translation>的号码禁止拨打(BlockList.txt),已略去</translation>
    </message>
    <message>
      <source>%1 number never to call</source>
      <translation>%1 个禁止拨打的号码</translation>
    </message>
    <message>
      <source>%1 numbers never to call</source>
      <translation>%1 个禁止拨打的号码</translation>
    </message>
    <message>
      <source>the NUMBER is never to be called (BlockList.txt), left out: </source>
      <translation>号码禁止拨打(BlockList.txt),已略去: </translation>
    </message>
    <message>
      <source>whose GROUP is not a number</source>
      <translation>的组号不是数字</translation>
    </message>
    <message>
      <source>%1 group not a number</source>
      <translation>%1 个组号不是数字</translation>
    </message>
    <message>
      <source>%1 groups not numbers</source>
      <translation>%1 个组号不是数字</translation>
    </message>
    <message>
      <source>the GROUP is not a number (the list cannot be written)</source>
      <translation>组号不是数字(列表无法写入)</translation>
    </message>
    <message>
      <source>line %1: </source>
      <translation>第 %1 行: </translation>
    </message>
    <message>
      <source> and %1 more</source>
      <translation> 等另外 %1 行</translation>
    </message>
    <message>
      <source>Warning: %1 line %2 (line %3)</source>
      <translation>警告:%1 行%2(第 %3 行)</translation>
    </message>
    <message>
      <source>Warning: %1 lines %2 (lines %3)</source>
      <translation>警告:%1 行%2(第 %3 行)</translation>
    </message>
    <message>
      <source>%1 finding: %2</source>
      <translation>发现 %1 项问题: %2</translation>
    </message>
    <message>
      <source>%1 findings: %2</source>
      <translation>发现 %1 项问题: %2</translation>
    </message>
    <message>
      <source>Add</source>
      <translation>添加</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>删除</translation>
    </message>
    <message>
      <source>Undo</source>
      <translation>撤销</translation>
    </message>
    <message>
      <source>Redo</source>
      <translation>重做</translation>
    </message>
    <message>
      <source>Check</source>
      <translation>检查</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>保存</translation>
    </message>
    <message>
      <source>NumberList</source>
      <translation>号码列表</translation>
    </message>
    <message>
      <source>LoadNumber(txt)</source>
      <translation>载入号码(txt)</translation>
    </message>
    <message>
      <source>LoadNumber(xlsx)</source>
      <translation>载入号码(xlsx)</translation>
    </message>
    <message>
      <source>open</source>
      <translation>打开</translation>
    </message>
    <message>
      <source>save</source>
      <translation>保存</translation>
    </message>
    <message>
      <source>Edit the list...</source>
      <translation>编辑列表...</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>总数</translation>
    </message>
    <message>
      <source>line %1 of the number list has no number as its group, nothing was sent: "%2"</source>
      <translation>号码列表第 %1 行的组号不是数字,未发送任何数据:"%2"</translation>
    </message>
    <message>
      <source>GROUP</source>
      <translation>组号</translation>
    </message>
    <message>
      <source>NAME</source>
      <translation>姓名</translation>
    </message>
    <message>
      <source>NUMBER</source>
      <translation>号码</translation>
    </message>
    <message>
      <source>Connecting......&#13;</source>
      <translation>连接中......&#13;</translation>
    </message>
    <message>
      <source>Connected! &#13;</source>
      <translation>已连接! &#13;</translation>
    </message>
    <message>
      <source>ConnectError! &#13;</source>
      <translation>连接错误! &#13;</translation>
    </message>
    <message>
      <source>No Connect  </source>
      <translation>未连接  </translation>
    </message>
    <message>
      <source>The device was disconnected while the number list was written: the device's number list may now be incomplete. Connect it again and write the number list again.</source>
      <translation>写号码时设备已断开：设备中的号码列表现在可能不完整。请重新连接设备，再次写入号码列表。</translation>
    </message>
    <message>
      <source>EarseEnd!!!&#13;</source>
      <translation>擦除完成!!!&#13;</translation>
    </message>
    <message>
      <source>Send Data......&#13;</source>
      <translation>发送数据......&#13;</translation>
    </message>
    <message>
      <source>ChecksumError!&#13;</source>
      <translation>校验错误!&#13;</translation>
    </message>
    <message>
      <source>SaveData......&#13;</source>
      <translation>保存数据......&#13;</translation>
    </message>
    <message>
      <source>SaveDataEnd!&#13;</source>
      <translation>数据保存完成!&#13;</translation>
    </message>
    <message>
      <source>ResendData!&#13;</source>
      <translation>重发数据!&#13;</translation>
    </message>
    <message>
      <source>Resend Data!!&#13;</source>
      <translation>重发数据!!&#13;</translation>
    </message>
    <message>
      <source>                Write Number OK!&#13;
</source>
      <translation>                号码写入成功!&#13;
</translation>
    </message>
    <message>
      <source>... and %1 more findings: Check in the list editor lists them all</source>
      <translation>... 另有 %1 项问题: 列表编辑器的"检查"会全部列出</translation>
    </message>
    <message>
      <source>Laod Max:9000 Number</source>
      <translation>最多载入:9000 个号码</translation>
    </message>
    <message>
      <source>Only Read:36000 Number</source>
      <translation>仅读取:36000 个号码</translation>
    </message>
    <message>
      <source>All: </source>
      <translation>全部: </translation>
    </message>
    <message>
      <source>LoadStart...&#13;</source>
      <translation>开始载入...&#13;</translation>
    </message>
    <message>
      <source>Load file OK! &#13;</source>
      <translation>文件载入成功! &#13;</translation>
    </message>
    <message>
      <source>ERROR</source>
      <translation>错误</translation>
    </message>
    <message>
      <source>OK!!</source>
      <translation>成功!!</translation>
    </message>
    <message>
      <source>Load file OK! </source>
      <translation>文件载入成功! </translation>
    </message>
    <message>
      <source>Replace the %1 numbers of the list?</source>
      <translation>替换列表中的 %1 个号码?</translation>
    </message>
    <message>
      <source>   ClearOk  !!</source>
      <translation>   清空成功  !!</translation>
    </message>
    <message>
      <source>Edit number list</source>
      <translation>编辑号码列表</translation>
    </message>
    <message>
      <source>Save the changes to LoadNumber.txt?</source>
      <translation>将更改保存到 LoadNumber.txt 吗?</translation>
    </message>
    <message>
      <source>LoadNumber.txt was changed by another program since this list was opened. Replace it with this list?</source>
      <translation>打开此列表后,LoadNumber.txt 已被其他程序更改。用此列表替换它吗?</translation>
    </message>
    <message>
      <source>Nothing found in %1 lines</source>
      <translation>%1 行中未发现问题</translation>
    </message>
    <message>
      <source>%1 findings; click one to go to its line</source>
      <translation>发现 %1 项问题;点击一项可转到该行</translation>
    </message>
    <message>
      <source>%1 cannot hold "%2"</source>
      <translation>%1 无法表示 "%2"</translation>
    </message>
    <message>
      <source>A field cannot hold a comma, a TAB or a line break: "%1"</source>
      <translation>字段中不能含有逗号、制表符或换行: "%1"</translation>
    </message>
    <message>
      <source>Not found: %1</source>
      <translation>未找到:%1</translation>
    </message>
    <message>
      <source>Saved %1 lines to LoadNumber.txt</source>
      <translation>已将 %1 行保存到 LoadNumber.txt</translation>
    </message>
    <message>
      <source>Total: %1</source>
      <translation>总数:%1</translation>
    </message>
    <message>
      <source>Find a group, name or number (Enter: next)</source>
      <translation>查找组号、姓名或号码(回车:下一个)</translation>
    </message>
    <message>
      <source>Outcome of the list…</source>
      <translation>列表拨打结果…</translation>
    </message>
    <message>
      <source>Numbers never to call…</source>
      <translation>禁止拨打的号码…</translation>
    </message>
    <message>
      <source>%1 lines with numbers never to call were left out.</source>
      <translation>已略去 %1 行禁止拨打的号码。</translation>
    </message>
    <message>
      <source>  Error  </source>
      <translation>  错误  </translation>
    </message>
    <message>
      <source>Earse......&#13;</source>
      <translation>擦除......&#13;</translation>
    </message>
    <message>
      <source>LoadData......</source>
      <translation>载入数据......</translation>
    </message>
    <message>
      <source>DataError!</source>
      <translation>数据错误!</translation>
    </message>
    <message>
      <source>The device has not stored the block after %1 answers or silences: the write was ended.</source>
      <translation>设备在 %1 次应答或无应答后仍未保存该数据块：写入已结束。</translation>
    </message>
    <message>
      <source>The device was disconnected: operation ended.</source>
      <translation>设备已断开:操作已结束。</translation>
    </message>
    <message>
      <source>The device was disconnected after the work was done.</source>
      <translation>工作完成后设备已断开。</translation>
    </message>
    <message>
      <source>Device disconnected</source>
      <translation>设备已断开</translation>
    </message>
    <message>
      <source>The device was disconnected before the three frames were sent.</source>
      <translation>三帧发送完之前设备已断开。</translation>
    </message>
    <message>
      <source>================Stop==================&#13;</source>
      <translation>================停止==================&#13;</translation>
    </message>
    <message>
      <source>================STOP==================&#13;</source>
      <translation>================停止==================&#13;</translation>
    </message>
    <message>
      <source>CDRDisplay</source>
      <translation>通话记录显示</translation>
    </message>
    <message>
      <source>CallOut--Succeeded</source>
      <translation>呼出--成功</translation>
    </message>
    <message>
      <source>CallOut--Failed</source>
      <translation>呼出--失败</translation>
    </message>
    <message>
      <source>PhoneBook</source>
      <translation>电话簿</translation>
    </message>
    <message>
      <source>CallIn--Answered</source>
      <translation>呼入--已接</translation>
    </message>
    <message>
      <source>CallIn--Missed</source>
      <translation>呼入--未接</translation>
    </message>
    <message>
      <source>read</source>
      <translation>读取</translation>
    </message>
    <message>
      <source>1 remark longer than 126 bytes was cut at 126 (on line %2)</source>
      <translation>1 条备注超过 126 字节，已截断为 126 字节（第 %2 行）</translation>
    </message>
    <message>
      <source>%1 remarks longer than 126 bytes were cut at 126 (the first on line %2)</source>
      <translation>%1 条备注超过 126 字节，已截断为 126 字节（第一条在第 %2 行）</translation>
    </message>
    <message>
      <source>Connected!  &#13;</source>
      <translation>已连接!  &#13;</translation>
    </message>
    <message>
      <source>Connect Error! &#13;</source>
      <translation>连接错误! &#13;</translation>
    </message>
    <message>
      <source>The device was disconnected during the read: nothing read was stored, the call lists are as they were. Connect it again and read again.</source>
      <translation>读取记录时设备已断开：读到的内容均未保存，通话列表保持原样。请重新连接设备，再次读取。</translation>
    </message>
    <message>
      <source>The %1 blocks received were discarded: nothing was stored.</source>
      <translation>已收到的 %1 个数据块已丢弃：未保存任何内容。</translation>
    </message>
    <message>
      <source>Connect Error!  </source>
      <translation>连接错误!  </translation>
    </message>
    <message>
      <source>Read Data......</source>
      <translation>读取数据......</translation>
    </message>
    <message>
      <source>Checksum......</source>
      <translation>校验......</translation>
    </message>
    <message>
      <source>   Receive                          error   !</source>
      <translation>   接收                          错误   !</translation>
    </message>
    <message>
      <source>Save OK!!!</source>
      <translation>保存成功!!!</translation>
    </message>
    <message>
      <source>Read OK!&#13;

</source>
      <translation>读取成功!&#13;

</translation>
    </message>
    <message>
      <source>Read CDR OK! &#13;

 </source>
      <translation>通话记录读取成功! &#13;

 </translation>
    </message>
    <message>
      <source>Save file OK! &#13;</source>
      <translation>文件保存成功! &#13;</translation>
    </message>
    <message>
      <source>  Press [DisplayCDR] Button , display CDR ! </source>
      <translation>  按 [显示记录] 按钮,显示通话记录 ! </translation>
    </message>
    <message>
      <source>CallOutSuccessed</source>
      <translation>呼出成功</translation>
    </message>
    <message>
      <source>CallOutFailed</source>
      <translation>呼出失败</translation>
    </message>
    <message>
      <source>CallInAnswer</source>
      <translation>呼入已接</translation>
    </message>
    <message>
      <source>CallInMissed</source>
      <translation>呼入未接</translation>
    </message>
    <message>
      <source>CallOutManual</source>
      <translation>手动呼出</translation>
    </message>
    <message>
      <source>      No.</source>
      <translation>      序号</translation>
    </message>
    <message>
      <source>      CallOut</source>
      <translation>      呼出号码</translation>
    </message>
    <message>
      <source>            Type</source>
      <translation>            类型</translation>
    </message>
    <message>
      <source> Group</source>
      <translation> 组</translation>
    </message>
    <message>
      <source>               Date</source>
      <translation>               日期</translation>
    </message>
    <message>
      <source> Duration</source>
      <translation> 时长</translation>
    </message>
    <message>
      <source>                               Remark</source>
      <translation>                               备注</translation>
    </message>
    <message>
      <source>       CallIn</source>
      <translation>       呼入号码</translation>
    </message>
    <message>
      <source>             Type</source>
      <translation>             类型</translation>
    </message>
    <message>
      <source>                                Remark</source>
      <translation>                                备注</translation>
    </message>
    <message>
      <source>关闭软件</source>
      <translation>关闭软件</translation>
    </message>
    <message>
      <source>Restore</source>
      <translation>保存</translation>
    </message>
    <message>
      <source>  Replac？</source>
      <translation>  替换？</translation>
    </message>
    <message>
      <source>Save File</source>
      <translation>保存文件</translation>
    </message>
    <message>
      <source>  Replace？</source>
      <translation>  替换？</translation>
    </message>
    <message>
      <source>  Save OK!!</source>
      <translation>  保存成功!!</translation>
    </message>
    <message>
      <source>    Save  OK!!</source>
      <translation>    保存  成功!!</translation>
    </message>
    <message>
      <source>   Clear Ok  !!</source>
      <translation>   清空成功  !!</translation>
    </message>
    <message>
      <source>Save as</source>
      <translation>另存为</translation>
    </message>
    <message>
      <source>The filter shows %1 of the %2 lines of this list. Which lines are saved?</source>
      <translation>筛选显示了本列表 %2 行中的 %1 行。要保存哪些行？</translation>
    </message>
    <message>
      <source>The %1 lines shown</source>
      <translation>显示的 %1 行</translation>
    </message>
    <message>
      <source>All %1 lines</source>
      <translation>全部 %1 行</translation>
    </message>
    <message>
      <source>Lines saved: %1</source>
      <translation>已保存行数：%1</translation>
    </message>
    <message>
      <source>Clear all %1 call records?</source>
      <translation>清空全部 %1 条通话记录?</translation>
    </message>
    <message>
      <source>     Save   OK!!</source>
      <translation>     保存   成功!!</translation>
    </message>
    <message>
      <source>      Save  OK!!</source>
      <translation>      保存  成功!!</translation>
    </message>
    <message>
      <source>    Save   OK!!</source>
      <translation>    保存   成功!!</translation>
    </message>
    <message>
      <source>      Save    OK!!</source>
      <translation>      保存    成功!!</translation>
    </message>
    <message>
      <source>All types</source>
      <translation>所有类型</translation>
    </message>
    <message>
      <source>Number (a part)</source>
      <translation>号码(部分)</translation>
    </message>
    <message>
      <source>In group</source>
      <translation>组号</translation>
    </message>
    <message>
      <source>From day</source>
      <translation>起始日</translation>
    </message>
    <message>
      <source>To day</source>
      <translation>截止日</translation>
    </message>
    <message>
      <source>%1 of %2</source>
      <translation>%1 / %2</translation>
    </message>
    <message>
      <source>Not a day: write it as 2026-12-08 or 2026/12/8</source>
      <translation>不是日期:请写成 2026-12-08 或 2026/12/8</translation>
    </message>
    <message>
      <source>Day as 2026-12-08</source>
      <translation>日期格式 2026-12-08</translation>
    </message>
    <message>
      <source>line %1 holds "%2", which is not a number: one number a line, digits only</source>
      <translation>第 %1 行为&quot;%2&quot;,不是号码: 每行一个号码,只能是数字</translation>
    </message>
    <message>
      <source>Numbers never to call</source>
      <translation>禁止拨打的号码</translation>
    </message>
    <message>
      <source>The numbers of BlockList.txt are left out of every import and of the number write, and the list check names them.</source>
      <translation>BlockList.txt 中的号码在每次导入和号码写入时都会略去,列表检查会列出它们。</translation>
    </message>
    <message>
      <source>A number, digits only</source>
      <translation>号码,只能是数字</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>移除</translation>
    </message>
    <message>
      <source>Import…</source>
      <translation>导入…</translation>
    </message>
    <message>
      <source>%1 numbers in %2</source>
      <translation>%2 中有 %1 个号码</translation>
    </message>
    <message>
      <source>"%1" is not a number: digits only</source>
      <translation>&quot;%1&quot;不是号码: 只能是数字</translation>
    </message>
    <message>
      <source>%1 is on the list already</source>
      <translation>%1 已在列表中</translation>
    </message>
    <message>
      <source>%1 numbers added: %2</source>
      <translation>已添加 %1 个号码: %2</translation>
    </message>
    <message>
      <source>%1 numbers were on the list already: %2</source>
      <translation>%1 个号码已在列表中: %2</translation>
    </message>
    <message>
      <source>Calls of %1</source>
      <translation>%1 的通话</translation>
    </message>
    <message>
      <source>%1 calls in CallOutList.txt</source>
      <translation>CallOutList.txt 中有 %1 次通话</translation>
    </message>
    <message>
      <source>Line</source>
      <translation>行</translation>
    </message>
    <message>
      <source>Date</source>
      <translation>日期</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>结果</translation>
    </message>
    <message>
      <source>Duration</source>
      <translation>时长</translation>
    </message>
    <message>
      <source>The first day, %1, is after the last, %2: no day to count</source>
      <translation>起始日期 %1 晚于结束日期 %2: 没有可统计的日期</translation>
    </message>
    <message>
      <source>Outcome of the list %1</source>
      <translation>列表 %1 的拨打结果</translation>
    </message>
    <message>
      <source>Outcome</source>
      <translation>结果</translation>
    </message>
    <message>
      <source>Numbers</source>
      <translation>号码数</translation>
    </message>
    <message>
      <source>Share</source>
      <translation>占比</translation>
    </message>
    <message>
      <source>Calls</source>
      <translation>通话</translation>
    </message>
    <message>
      <source>Connected</source>
      <translation>接通</translation>
    </message>
    <message>
      <source>Talking time</source>
      <translation>通话时间</translation>
    </message>
    <message>
      <source>All</source>
      <translation>全部</translation>
    </message>
    <message>
      <source>%1 number: %2 reached, %3 dialled and not reached, %4 never dialled</source>
      <translation>%1 个号码: %2 个已接通,%3 个已拨打未接通,%4 个从未拨打</translation>
    </message>
    <message>
      <source>%1 numbers: %2 reached, %3 dialled and not reached, %4 never dialled</source>
      <translation>%1 个号码: %2 个已接通,%3 个已拨打未接通,%4 个从未拨打</translation>
    </message>
    <message>
      <source>%1 calls of numbers not on the list</source>
      <translation>%1 次通话的号码不在列表中</translation>
    </message>
    <message>
      <source>%1 lines of %2 could not be read and are not counted, the first: line %3: %4</source>
      <translation>%2 中有 %1 行无法读取,未计入,第一处: 第 %3 行: %4</translation>
    </message>
    <message>
      <source>reached</source>
      <translation>已接通</translation>
    </message>
    <message>
      <source>not reached</source>
      <translation>未接通</translation>
    </message>
    <message>
      <source>never dialled</source>
      <translation>从未拨打</translation>
    </message>
    <message>
      <source>connected</source>
      <translation>接通</translation>
    </message>
    <message>
      <source>failed</source>
      <translation>失败</translation>
    </message>
    <message>
      <source>Number</source>
      <translation>号码</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>姓名</translation>
    </message>
    <message>
      <source>Group</source>
      <translation>组</translation>
    </message>
    <message>
      <source>Lines</source>
      <translation>行</translation>
    </message>
    <message>
      <source>Failed</source>
      <translation>失败</translation>
    </message>
    <message>
      <source>Last call</source>
      <translation>最后通话</translation>
    </message>
    <message>
      <source>Last result</source>
      <translation>最后结果</translation>
    </message>
    <message>
      <source>Not reached</source>
      <translation>未接通</translation>
    </message>
    <message>
      <source>Reached</source>
      <translation>已接通</translation>
    </message>
    <message>
      <source>Never dialled</source>
      <translation>从未拨打</translation>
    </message>
    <message>
      <source>Outcome of the list</source>
      <translation>列表拨打结果</translation>
    </message>
    <message>
      <source>List</source>
      <translation>列表</translation>
    </message>
    <message>
      <source>Another list file…</source>
      <translation>其他列表文件…</translation>
    </message>
    <message>
      <source>LoadNumber.txt</source>
      <translation>LoadNumber.txt</translation>
    </message>
    <message>
      <source>All days</source>
      <translation>全部日期</translation>
    </message>
    <message>
      <source>Refresh</source>
      <translation>刷新</translation>
    </message>
    <message>
      <source>From</source>
      <translation>从</translation>
    </message>
    <message>
      <source>To</source>
      <translation>到</translation>
    </message>
    <message>
      <source>Show</source>
      <translation>显示</translation>
    </message>
    <message>
      <source>Not reached:</source>
      <translation>未接通:</translation>
    </message>
    <message>
      <source>failed and never dialled</source>
      <translation>失败和从未拨打</translation>
    </message>
    <message>
      <source>failed only</source>
      <translation>仅失败</translation>
    </message>
    <message>
      <source>Save the numbers not reached as a list…</source>
      <translation>将未接通的号码另存为列表…</translation>
    </message>
    <message>
      <source>Replace LoadNumber.txt with them…</source>
      <translation>用它们替换 LoadNumber.txt…</translation>
    </message>
    <message>
      <source>Replace the %1 lines of LoadNumber.txt with the %2 lines not reached?</source>
      <translation>用 %2 行未接通的号码替换 LoadNumber.txt 的 %1 行?</translation>
    </message>
    <message>
      <source>LoadNumber.txt changed since its outcome was shown; nothing was written. Refresh the outcome and try again.</source>
      <translation>显示结果之后 LoadNumber.txt 已被修改,未写入任何内容。请刷新结果后重试。</translation>
    </message>
    <message>
      <source>No line of the list is left to call: nothing was written.</source>
      <translation>列表中没有需要再拨打的行,未写入任何内容。</translation>
    </message>
    <message>
      <source>%1 lines written to %2.</source>
      <translation>已将 %1 行写入 %2。</translation>
    </message>
    <message>
      <source>-ON-</source>
      <translation>-开-</translation>
    </message>
    <message>
      <source>Ban</source>
      <translation>禁止</translation>
    </message>
    <message>
      <source>Allow</source>
      <translation>允许</translation>
    </message>
    <message>
      <source>SpkVol</source>
      <translation>扬声器音量</translation>
    </message>
    <message>
      <source>Vol:</source>
      <translation>音量:</translation>
    </message>
    <message>
      <source>MicVol</source>
      <translation>麦克风音量</translation>
    </message>
    <message>
      <source>ForwardDtmf</source>
      <translation>转接按键</translation>
    </message>
    <message>
      <source>AutoForwardTalking</source>
      <translation>自动转接通话</translation>
    </message>
    <message>
      <source> S</source>
      <translation> 秒</translation>
    </message>
    <message>
      <source>MusicTxVol</source>
      <translation>音乐上行音量</translation>
    </message>
    <message>
      <source>MusicRxVol</source>
      <translation>音乐下行音量</translation>
    </message>
    <message>
      <source>MoniterClienteleVol</source>
      <translation>监听客户音量</translation>
    </message>
    <message>
      <source>ForwardRingVol</source>
      <translation>转接振铃音量</translation>
    </message>
    <message>
      <source>SendSmsAnswerd</source>
      <translation>接通后发短信</translation>
    </message>
    <message>
      <source>SendSmsToHost</source>
      <translation>给主机发短信</translation>
    </message>
    <message>
      <source>SendSmsToClientele</source>
      <translation>给客户发短信</translation>
    </message>
    <message>
      <source>RingTone</source>
      <translation>铃声</translation>
    </message>
    <message>
      <source>RingVol</source>
      <translation>铃声音量</translation>
    </message>
    <message>
      <source>CallOutAllowOutsidePB</source>
      <translation>呼出允许电话簿外</translation>
    </message>
    <message>
      <source>CallInAllowOutsidePB</source>
      <translation>呼入允许电话簿外</translation>
    </message>
    <message>
      <source>CallOutMode</source>
      <translation>呼出方式</translation>
    </message>
    <message>
      <source>Normal</source>
      <translation>普通</translation>
    </message>
    <message>
      <source>CallBack</source>
      <translation>回拨</translation>
    </message>
    <message>
      <source>CallInMode</source>
      <translation>呼入方式</translation>
    </message>
    <message>
      <source>ZEL</source>
      <translation>ZEL</translation>
    </message>
    <message>
      <source>Phone</source>
      <translation>电话</translation>
    </message>
    <message>
      <source>RecordingSwitch</source>
      <translation>录音开关</translation>
    </message>
    <message>
      <source>RingBackToneVol</source>
      <translation>回铃音音量</translation>
    </message>
    <message>
      <source>ZEL Mode</source>
      <translation>ZEL 模式</translation>
    </message>
    <message>
      <source>[1]Unattended</source>
      <translation>[1]无人值守</translation>
    </message>
    <message>
      <source>[2]OnDuty</source>
      <translation>[2]值班</translation>
    </message>
    <message>
      <source>[3]Forward</source>
      <translation>[3]转接</translation>
    </message>
    <message>
      <source>[4]QuickRing</source>
      <translation>[4]快速振铃</translation>
    </message>
    <message>
      <source>Task Work</source>
      <translation>定时任务</translation>
    </message>
    <message>
      <source> H</source>
      <translation> 时</translation>
    </message>
    <message>
      <source> M</source>
      <translation> 分</translation>
    </message>
    <message>
      <source>DelayedCall</source>
      <translation>呼叫间隔</translation>
    </message>
    <message>
      <source>AnsweredWait</source>
      <translation>接听等待</translation>
    </message>
    <message>
      <source>PlayMusicMaxTime</source>
      <translation>放音最长时间</translation>
    </message>
    <message>
      <source>WaitingServiceTime</source>
      <translation>等待服务时间</translation>
    </message>
    <message>
      <source>ServiceMaxTime</source>
      <translation>服务最长时间</translation>
    </message>
    <message>
      <source>Host Number</source>
      <translation>主机号码</translation>
    </message>
    <message>
      <source>CallTimesStartZel</source>
      <translation>开始拨号次数</translation>
    </message>
    <message>
      <source>Connecting......</source>
      <translation>连接中......</translation>
    </message>
    <message>
      <source>Connected   </source>
      <translation>已连接   </translation>
    </message>
    <message>
      <source>Connect Error!</source>
      <translation>连接错误!</translation>
    </message>
    <message>
      <source>The device was disconnected while the settings were written: the settings in the device may now be incomplete. Connect it again and write the settings again.</source>
      <translation>写设置时设备已断开：设备中的设置现在可能不完整。请重新连接设备，再次写入设置。</translation>
    </message>
    <message>
      <source>Load ......</source>
      <translation>载入 ......</translation>
    </message>
    <message>
      <source>Send......</source>
      <translation>发送......</translation>
    </message>
    <message>
      <source>CheckSum Error!</source>
      <translation>校验错误!</translation>
    </message>
    <message>
      <source>Data Error!  </source>
      <translation>数据错误!  </translation>
    </message>
    <message>
      <source>Data Error!</source>
      <translation>数据错误!</translation>
    </message>
    <message>
      <source>  Data Error!</source>
      <translation>  数据错误!</translation>
    </message>
    <message>
      <source>Time Out!!!&#13;</source>
      <translation>超时!!!&#13;</translation>
    </message>
    <message>
      <source>Save OK!&#13;</source>
      <translation>保存成功!&#13;</translation>
    </message>
    <message>
      <source>            Write Setting OK!&#13;</source>
      <translation>            设置写入成功!&#13;</translation>
    </message>
    <message>
      <source>  Write Setting OK!</source>
      <translation>  设置写入成功!</translation>
    </message>
    <message>
      <source>  Save Setting !!</source>
      <translation>  设置已保存 !!</translation>
    </message>
    <message>
      <source>  DefaultSetting OK!!  </source>
      <translation>  已恢复默认设置!!  </translation>
    </message>
    <message>
      <source>%1: "%2" is not a number (digits only); nothing was saved.</source>
      <translation>%1: "%2" 不是数字(只能输入数字);未保存任何内容。</translation>
    </message>
    <message>
      <source>%1: "%2" is not a telephone number (digits only); nothing was saved.</source>
      <translation>%1: "%2" 不是电话号码(只能输入数字);未保存任何内容。</translation>
    </message>
    <message>
      <source>%1: %2; nothing was sent to the device.</source>
      <translation>%1: %2;未向设备发送任何内容。</translation>
    </message>
    <message>
      <source>%1 is not a number</source>
      <translation>%1 不是数字</translation>
    </message>
    <message>
      <source>%1 is not a telephone number of at most 16 digits</source>
      <translation>%1 不是不超过 16 位数字的电话号码</translation>
    </message>
    <message>
      <source>%1 of %2 bytes</source>
      <translation>%1 / %2 字节</translation>
    </message>
    <message>
      <source>Close the settings without saving your changes?</source>
      <translation>不保存更改就关闭设置吗?</translation>
    </message>
    <message>
      <source>Default</source>
      <translation>默认</translation>
    </message>
    <message>
      <source>Save&amp;&amp;Exit</source>
      <translation>保存并退出</translation>
    </message>
    <message>
      <source>SMS</source>
      <translation>短信</translation>
    </message>
    <message>
      <source>  Start--------------End</source>
      <translation>  开始--------------结束</translation>
    </message>
    <message>
      <source>No calls in this range</source>
      <translation>此范围内没有通话</translation>
    </message>
    <message>
      <source>Succeeded</source>
      <translation>成功</translation>
    </message>
    <message>
      <source>Missed</source>
      <translation>未接</translation>
    </message>
    <message>
      <source>Manual</source>
      <translation>手动</translation>
    </message>
    <message>
      <source>Success rate</source>
      <translation>成功率</translation>
    </message>
    <message>
      <source>Answer rate</source>
      <translation>接听率</translation>
    </message>
    <message>
      <source>Average talk</source>
      <translation>平均通话</translation>
    </message>
    <message>
      <source>Calls per day, %1</source>
      <translation>每日通话,%1</translation>
    </message>
    <message>
      <source>Calls per week (from Monday), %1</source>
      <translation>每周通话(从周一起),%1</translation>
    </message>
    <message>
      <source>Calls per month, %1</source>
      <translation>每月通话,%1</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 至 %2</translation>
    </message>
    <message>
      <source>Week from %1</source>
      <translation>%1 起的一周</translation>
    </message>
    <message>
      <source>yyyy-mm-dd</source>
      <translation>年-月-日</translation>
    </message>
    <message>
      <source>Pick the day from a calendar</source>
      <translation>从日历中选择日期</translation>
    </message>
    <message>
      <source>"%1" is not a day; type it as 2026-12-08</source>
      <translation>"%1" 不是日期;请输入如 2026-12-08</translation>
    </message>
    <message>
      <source>Call statistics</source>
      <translation>通话统计</translation>
    </message>
    <message>
      <source>Days %1 to %2</source>
      <translation>日期 %1 至 %2</translation>
    </message>
    <message>
      <source>All days: %1 to %2</source>
      <translation>全部日期: %1 至 %2</translation>
    </message>
    <message>
      <source>
%1 line(s) could not be read and are not counted</source>
      <translation>
%1 行无法读取,未计入</translation>
    </message>
    <message>
      <source>Calls per group</source>
      <translation>各组通话</translation>
    </message>
    <message>
      <source>Made %1 by Mervadin %2</source>
      <translation>由 Mervadin %2 于 %1 生成</translation>
    </message>
    <message>
      <source>… and %1 more groups, not shown here</source>
      <translation>… 另有 %1 个组未在此列出</translation>
    </message>
    <message>
      <source>Automatic</source>
      <translation>自动</translation>
    </message>
    <message>
      <source>Day</source>
      <translation>日</translation>
    </message>
    <message>
      <source>Week</source>
      <translation>周</translation>
    </message>
    <message>
      <source>Month</source>
      <translation>月</translation>
    </message>
    <message>
      <source>Bars per</source>
      <translation>每柱</translation>
    </message>
    <message>
      <source>List in the report</source>
      <translation>报告中的列表</translation>
    </message>
    <message>
      <source>No list</source>
      <translation>无列表</translation>
    </message>
    <message>
      <source>Save report…</source>
      <translation>保存报告…</translation>
    </message>
    <message>
      <source>The report, %1 page(s), is in %2</source>
      <translation>报告共 %1 页,已保存到 %2</translation>
    </message>
    <message>
      <source>, the first: %1 line %2: </source>
      <translation>,第一处:%1 第 %2 行: </translation>
    </message>
    <message>
      <source>fpInit Fail!</source>
      <translation>初始化失败!</translation>
    </message>
    <message>
      <source>Folder in use</source>
      <translation>文件夹正在使用</translation>
    </message>
    <message>
      <source>Waiting for another Mervadin working on %1</source>
      <translation>正在等待另一个 Mervadin 处理 %1</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
    <message>
      <source>  语音文件打开 OK !!</source>
      <translation>  语音文件打开 OK !!</translation>
    </message>
    <message>
      <source>   连接中......&#13;</source>
      <translation>   连接中......&#13;</translation>
    </message>
    <message>
      <source>Connected &#13;</source>
      <translation>已连接 &#13;</translation>
    </message>
    <message>
      <source>   连接失败 &#13;</source>
      <translation>   连接失败 &#13;</translation>
    </message>
    <message>
      <source>   请检查数据线连接是否正确 &#13;</source>
      <translation>   请检查数据线连接是否正确 &#13;</translation>
    </message>
    <message>
      <source>   请检查ZAR是否开机&#13;</source>
      <translation>   请检查ZAR是否开机&#13;</translation>
    </message>
    <message>
      <source>   检查完成后,再连接&#13;</source>
      <translation>   检查完成后,再连接&#13;</translation>
    </message>
    <message>
      <source>   没有连接!!  </source>
      <translation>   没有连接!!  </translation>
    </message>
    <message>
      <source>The device was disconnected while the voice prompt was written: the device's voice prompt may now be incomplete. Connect it again and write the voice prompt again.</source>
      <translation>写语音时设备已断开：设备中的语音现在可能不完整。请重新连接设备，再次写入语音。</translation>
    </message>
    <message>
      <source>ConnectFailed &#13;</source>
      <translation>连接失败 &#13;</translation>
    </message>
    <message>
      <source>EarseEnd &#13;</source>
      <translation>擦除完成 &#13;</translation>
    </message>
    <message>
      <source>Trasmit......&#13;</source>
      <translation>传输......&#13;</translation>
    </message>
    <message>
      <source>ChecksumError !!!&#13;</source>
      <translation>校验错误 !!!&#13;</translation>
    </message>
    <message>
      <source>Save......&#13;</source>
      <translation>保存......&#13;</translation>
    </message>
    <message>
      <source>SaveEnd!!!&#13;</source>
      <translation>保存完成!!!&#13;</translation>
    </message>
    <message>
      <source>ReSend!!!&#13;</source>
      <translation>重发!!!&#13;</translation>
    </message>
    <message>
      <source>             写语音完成!!!&#13;</source>
      <translation>             写语音完成!!!&#13;</translation>
    </message>
    <message>
      <source>  写语音完成!</source>
      <translation>  写语音完成!</translation>
    </message>
  </context>
</TS>
